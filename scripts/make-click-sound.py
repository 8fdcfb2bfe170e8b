#!/usr/bin/env python3
"""Writes data/resources/click.wav, the buttons' click sound.

A 45 ms click: two short tones (1.9 kHz and 3.3 kHz) with a 1 ms rise and a
fast exponential fall, 16-bit mono PCM at 22 050 Hz. No random numbers: the
same file comes out on every run.
"""
import math
import pathlib
import struct
import sys
import wave

RATE = 22050
LENGTH_MS = 45
PEAK = 0.6


def samples():
    count = RATE * LENGTH_MS // 1000
    rise = RATE // 1000
    for n in range(count):
        t = n / RATE
        envelope = min(1.0, n / rise) * math.exp(-t / 0.008)
        tone = 0.65 * math.sin(2 * math.pi * 1900 * t) + 0.35 * math.sin(2 * math.pi * 3300 * t)
        yield int(round(32767 * PEAK * envelope * tone))


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "data" / "resources" / "click.wav"
    out.parent.mkdir(parents=True, exist_ok=True)
    frames = b"".join(struct.pack("<h", s) for s in samples())
    with wave.open(str(out), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
    print(out)


if __name__ == "__main__":
    main()

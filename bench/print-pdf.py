#!/usr/bin/env python3
"""The whole process of `Brivadune --print-pdf`, measured.

A "Grand format" card with a picture background from the picture library,
four labels and a logo is printed on a 10-up A4 sheet (two across, five
down), 1 sheet and 100 sheets, each RUNS times on a fresh application
folder. Prints the median wall time of each, the highest peak resident
memory of any run and the sizes of the two PDF files.

Usage: bench/print-pdf.py [--qr] [-n RUNS] [PROGRAM]
  --qr      the card also carries a QR code of a whole contact (a vCard of
            about 300 bytes)
  PROGRAM   the Brivadune executable (default: build/app/Brivadune, then
            build-tests/app/Brivadune); its folder must hold the picture
            library (the build copies it there)
  -n RUNS   runs of each job (default 15)
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def find_program(args):
    if args:
        return args[0]
    for candidate in ("build/app/Brivadune", "build-tests/app/Brivadune"):
        path = os.path.join(ROOT, candidate)
        if os.access(path, os.X_OK):
            return path
    sys.exit("Brivadune executable not found; build it (cmake --build build --target Brivadune) or name it.")


def arguments(default_runs, doc):
    """The runs (-n RUNS) and the program's absolute path named on the
    command line; None once -h has printed `doc`."""
    args = sys.argv[1:]
    runs = default_runs
    if args[:1] == ["-n"]:
        runs = int(args[1])
        args = args[2:]
    if args[:1] in (["-h"], ["--help"]):
        print(doc)
        return None
    return runs, os.path.abspath(find_program(args))


def library_pictures(library):
    """The background picture and the logo the benchmark cards use."""
    background = os.path.join(library, "Images de fond", "Aquarelle.jpg")
    logo = os.path.join(library, "Angles", "Angle floral haut gauche.png")
    for path in (background, logo):
        if not os.path.isfile(path):
            sys.exit("picture library missing beside the program: " + path)
    return background, logo


# A whole contact, as a card's QR code holds it (about 300 bytes once the
# line breaks are written \n in the project file).
CONTACT = ("BEGIN:VCARD\\nVERSION:3.0\\nN:Duval;Jeanne;;;\\nFN:Jeanne Duval\\nORG:Atelier Duval\\n"
           "TITLE:Architecte d'intérieur\\nTEL;TYPE=WORK,VOICE:+33 2 98 00 00 00\\n"
           "TEL;TYPE=CELL:+33 6 12 34 56 78\\nEMAIL:jeanne.duval@atelier-duval.fr\\n"
           "URL:https://www.atelier-duval.fr\\nADR;TYPE=WORK:;;12\\\\, rue des Lilas;;;;\\nEND:VCARD")


def code_sections():
    pieces = [CONTACT[i:i + 150] for i in range(0, len(CONTACT), 150)]
    lines = ["[CODE 1]", "Type=QR"] + [f"Contenu{n}={p}" for n, p in enumerate(pieces, 1)]
    return lines + ["Correction=M", "Left=3400", "Top=1800", "Width=1134", "Height=1134",
                    "ForeColor=0", "BackColor=16777215", "[CODE]", "Nombre=1"]


def project_text(library, qr=False):
    background, logo = library_pictures(library)
    labels = [
        ("Jeanne Duval", "DejaVu Sans", "14", "Vrai", "1800", "300"),
        ("Architecte d'intérieur", "DejaVu Serif", "10", "Faux", "1800", "800"),
        ("12, rue des Lilas - 29200 Brest", "DejaVu Sans", "8,25", "Faux", "1800", "2200"),
        ("Tél. 02 98 00 00 00", "DejaVu Sans Mono", "8,25", "Faux", "1800", "2500"),
    ]
    lines = ["[FORMAT]", "Longueur=4762,8", "Hauteur=3061,8"]
    for n, (caption, font, size, bold, left, top) in enumerate(labels, 1):
        lines += [f"[LABEL {n}]", f"Caption={caption}", f"Font={font}", f"FontBold={bold}",
                  "FontItalic=Faux", f"FontSize={size}", "FontStrikethru=Faux", "FontUnderline=Faux",
                  "ForeColor=0", f"Top={top}", f"Left={left}"]
    lines += ["[LOGO 1]", "Top=150", "Left=150", f"Tag={logo}",
              "[FOND]", "Numero=2", f"Picture={background}",
              "[LABEL]", "Nombre=4", "[LOGO]", "Nombre=1"]
    if qr:
        lines += code_sections()
    return "\r\n".join(lines) + "\r\n"


def app_folder(work, name):
    """A fresh application folder with the 10-up format: the folder, the
    PDF to write in it and the environment to run the program in."""
    app = os.path.join(work, name)
    os.makedirs(app)
    with open(os.path.join(app, "formats.ini"), "wb") as f:
        f.write(b"Grand format 10 par planche | 10.15.0.0.2.5\r\n")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    env.pop("BRIVADUNE_HOME", None)
    return app, os.path.join(app, "sortie.pdf"), env


def measure(command, env, what):
    """Runs a whole process: its wall time and peak resident memory (kB);
    exits the script, saying why, when it fails."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    error = process.stderr.read().decode(errors="replace").strip()
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{what} failed: {error}")
    return elapsed, usage.ru_maxrss


def run_once(program, work, sheets, index):
    app, out, env = app_folder(work, f"app-{sheets}-{index}")
    elapsed, rss = measure([program, "--app-dir", app, "--print-pdf", out, "--sheets", str(sheets),
                            os.path.join(work, "carte.prj")], env, f"--print-pdf ({sheets} sheets)")
    return elapsed, rss, os.path.getsize(out)


def main():
    qr = "--qr" in sys.argv[1:]
    if qr:
        sys.argv.remove("--qr")
    parsed = arguments(15, __doc__)
    if not parsed:
        return
    runs, program = parsed
    library = os.path.join(os.path.dirname(program), "Images")
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "carte.prj"), "w", encoding="utf-8", newline="") as f:
            f.write(project_text(library, qr))
        run_once(program, work, 1, "warmup")  # fills the disk cache; not counted
        results = {}
        for sheets in (1, 100):
            results[sheets] = [run_once(program, work, sheets, i) for i in range(runs)]
    print(f"runs={runs}")
    for sheets, rows in results.items():
        print(f"sheets={sheets} median_s={statistics.median(r[0] for r in rows):.3f} "
              f"peak_rss_kb={max(r[1] for r in rows)} pdf_bytes={rows[0][2]}")
    ratio = results[100][0][2] / results[1][0][2]
    print(f"pdf_size_ratio_100_to_1={ratio:.4f}")


if __name__ == "__main__":
    main()

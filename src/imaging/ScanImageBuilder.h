#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Builds a 24-bit colour picture from the frames a scanner sends, as SANE
// describes them: one RGB or grey frame, or three frames of one colour each
// (red, green, blue in any order). Samples of 8 or 16 bits (16-bit samples
// in the machine's byte order, scaled down to 8), grey in 1 bit (a set bit
// is black), grey turned into colour. A frame of unknown length (lines -1)
// takes the lines that arrive. Pixels are stored as they arrive, so
// memory grows with the data, not with what the scanner announces.
class ScanImageBuilder {
public:
    enum class Channel { Gray, Rgb, Red, Green, Blue };
    struct Frame {
        Channel channel = Channel::Rgb;
        int bytesPerLine = 0;
        int pixelsPerLine = 0;
        int lines = -1; // -1: unknown until the data ends
        int depth = 8;
    };

    // Starts the next frame. False (see error()) when the layout is not one
    // this reads, the picture would be too large, or a frame of a
    // three-frame scan differs in width from the first.
    bool beginFrame(const Frame &frame);
    // Adds data of the current frame. False when the picture grows too
    // large or memory runs out. Data beyond the announced lines is dropped.
    bool append(const char *data, qsizetype size);
    // Ends the current frame (a partly received last line is dropped).
    void endFrame();

    // The picture: the lines every channel received; null when there is
    // none, or a three-frame scan lacks a colour.
    QImage image() const;
    // Progress of the whole scan in percent, -1 when its length is unknown.
    int percent() const;
    bool tooLarge() const { return m_tooLarge; }
    const QString &error() const { return m_error; }

private:
    // Larger pictures are refused rather than filling the memory.
    static constexpr int MaxSide = 30000;
    static constexpr qint64 MaxPixels = 250'000'000;

    bool fail(const QString &text, bool tooLarge = false);
    bool storeLine(const uchar *line);
    uchar *rowPointer(int y);

    Frame m_frame;
    bool m_inFrame = false;
    int m_width = 0;
    int m_announcedLines = -1;
    int m_framesExpected = 1;
    int m_framesDone = 0;
    int m_lineInFrame = 0;
    QByteArray m_partial;
    // Lines received per colour channel (red, green, blue).
    int m_channelLines[3] = {0, 0, 0};
    QList<QImage> m_strips;
    QString m_error;
    bool m_tooLarge = false;
};

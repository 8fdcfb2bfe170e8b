#include "ScanImageBuilder.h"

#include <algorithm>
#include <cstring>

namespace {

// Pixels are kept in strips of this many lines, allocated as lines arrive.
constexpr int StripLines = 256;

int samplesPerPixel(ScanImageBuilder::Channel channel)
{
    return channel == ScanImageBuilder::Channel::Rgb ? 3 : 1;
}

bool isOneColour(ScanImageBuilder::Channel channel)
{
    return channel == ScanImageBuilder::Channel::Red || channel == ScanImageBuilder::Channel::Green
        || channel == ScanImageBuilder::Channel::Blue;
}

// Sample i of a line as 8 bits.
uchar sample(const uchar *line, int i, int depth)
{
    if (depth == 8)
        return line[i];
    quint16 s;
    std::memcpy(&s, line + 2 * i, sizeof s);
    return uchar(s >> 8);
}

} // namespace

bool ScanImageBuilder::fail(const QString &text, bool tooLarge)
{
    m_error = text;
    m_tooLarge = m_tooLarge || tooLarge;
    m_inFrame = false;
    return false;
}

bool ScanImageBuilder::beginFrame(const Frame &frame)
{
    if (!m_error.isEmpty())
        return false;
    const bool oneColour = isOneColour(frame.channel);
    const bool depthOk = frame.depth == 8 || frame.depth == 16 || (frame.depth == 1 && frame.channel == Channel::Gray);
    if (!depthOk)
        return fail(QStringLiteral("Format d'image non pris en charge (%1 bits).").arg(frame.depth));
    if (frame.pixelsPerLine <= 0 || frame.pixelsPerLine > MaxSide || frame.lines > MaxSide
        || (frame.lines > 0 && qint64(frame.pixelsPerLine) * frame.lines > MaxPixels))
        return fail(QStringLiteral("Image trop grande (%1 x %2 pixels).").arg(frame.pixelsPerLine).arg(frame.lines), true);
    const qint64 neededBytes = (qint64(frame.pixelsPerLine) * samplesPerPixel(frame.channel) * frame.depth + 7) / 8;
    if (frame.bytesPerLine < neededBytes || frame.bytesPerLine > qint64(MaxSide) * 6)
        return fail(QStringLiteral("Longueur de ligne incohérente (%1 octets).").arg(frame.bytesPerLine));

    if (m_framesDone == 0) {
        m_width = frame.pixelsPerLine;
        m_announcedLines = frame.lines;
        m_framesExpected = oneColour ? 3 : 1;
    } else if (!oneColour || m_framesExpected != 3 || frame.pixelsPerLine != m_width) {
        return fail(QStringLiteral("Suite de trames incohérente."));
    }
    m_frame = frame;
    m_inFrame = true;
    m_lineInFrame = 0;
    m_partial.clear();
    return true;
}

uchar *ScanImageBuilder::rowPointer(int y)
{
    const int strip = y / StripLines;
    while (m_strips.size() <= strip) {
        QImage next(m_width, StripLines, QImage::Format_RGB888);
        if (next.isNull())
            return nullptr;
        next.fill(Qt::white);
        m_strips.append(next);
    }
    return m_strips[strip].scanLine(y % StripLines);
}

bool ScanImageBuilder::storeLine(const uchar *line)
{
    const int y = m_lineInFrame;
    if (m_frame.lines > 0 && y >= m_frame.lines)
        return true; // beyond what was announced: dropped
    if (y >= MaxSide || qint64(y + 1) * m_width > MaxPixels)
        return fail(QStringLiteral("Image trop grande (plus de %1 lignes).").arg(y), true);
    uchar *row = rowPointer(y);
    if (!row)
        return fail(QStringLiteral("Mémoire insuffisante pour l'image."), true);

    const int depth = m_frame.depth;
    const int w = m_width;
    switch (m_frame.channel) {
    case Channel::Gray:
        for (int x = 0; x < w; ++x) {
            uchar v;
            if (depth == 1)
                v = (line[x >> 3] & (0x80 >> (x & 7))) ? 0 : 255;
            else
                v = sample(line, x, depth);
            row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = v;
        }
        break;
    case Channel::Rgb:
        if (depth == 8) {
            std::memcpy(row, line, size_t(3) * w);
        } else {
            for (int i = 0; i < 3 * w; ++i)
                row[i] = sample(line, i, depth);
        }
        break;
    case Channel::Red:
    case Channel::Green:
    case Channel::Blue: {
        const int c = int(m_frame.channel) - int(Channel::Red);
        for (int x = 0; x < w; ++x)
            row[3 * x + c] = sample(line, x, depth);
        break;
    }
    }

    ++m_lineInFrame;
    if (isOneColour(m_frame.channel)) {
        int &count = m_channelLines[int(m_frame.channel) - int(Channel::Red)];
        count = std::max(count, m_lineInFrame);
    } else {
        std::fill(std::begin(m_channelLines), std::end(m_channelLines), m_lineInFrame);
    }
    return true;
}

bool ScanImageBuilder::append(const char *data, qsizetype size)
{
    if (!m_inFrame)
        return m_error.isEmpty() ? fail(QStringLiteral("Données hors d'une trame.")) : false;
    const qsizetype bpl = m_frame.bytesPerLine;
    const auto *p = reinterpret_cast<const uchar *>(data);
    if (!m_partial.isEmpty()) {
        const qsizetype take = std::min(size, bpl - m_partial.size());
        m_partial.append(data, take);
        p += take;
        size -= take;
        if (m_partial.size() < bpl)
            return true;
        if (!storeLine(reinterpret_cast<const uchar *>(m_partial.constData())))
            return false;
        m_partial.clear();
    }
    for (; size >= bpl; p += bpl, size -= bpl) {
        if (!storeLine(p))
            return false;
    }
    if (size > 0)
        m_partial.append(reinterpret_cast<const char *>(p), size);
    return true;
}

void ScanImageBuilder::endFrame()
{
    if (!m_inFrame)
        return;
    m_inFrame = false;
    m_partial.clear();
    ++m_framesDone;
}

QImage ScanImageBuilder::image() const
{
    if (!m_error.isEmpty() || m_width == 0)
        return {};
    const int height = *std::min_element(std::begin(m_channelLines), std::end(m_channelLines));
    if (height <= 0)
        return {};
    if (m_strips.size() == 1 && height == StripLines)
        return m_strips.first();
    QImage result(m_width, height, QImage::Format_RGB888);
    if (result.isNull())
        return {};
    const size_t rowBytes = size_t(3) * m_width;
    for (int y = 0; y < height; ++y)
        std::memcpy(result.scanLine(y), m_strips[y / StripLines].constScanLine(y % StripLines), rowBytes);
    return result;
}

int ScanImageBuilder::percent() const
{
    if (m_announcedLines <= 0)
        return -1;
    const qint64 total = qint64(m_announcedLines) * m_framesExpected;
    const qint64 done = qint64(m_framesDone) * m_announcedLines + (m_inFrame ? std::min(m_lineInFrame, m_announcedLines) : 0);
    return int(std::min<qint64>(100, done * 100 / total));
}

#include "Encoding.h"

#include <QStringDecoder>

#include <algorithm>

namespace Encoding {

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes Windows leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same
// value, so that every byte reads and writes back unchanged.
constexpr char16_t HighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

// The byte for a character, or -1 when Windows-1252 has none.
inline int cp1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (HighTable[i] == c)
            return 0x80 + i;
    }
    return -1;
}

QString decodeCp1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(HighTable[b - 0x80]) : QChar(b);
    }
    return out;
}

// `ok` false when a character has no Windows-1252 byte (it is written "?").
QByteArray encodeCp1252(const QString &text, bool *ok)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *d = out.data();
    bool allFit = true;
    const QChar *s = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = cp1252Byte(s[i].unicode());
        if (b < 0)
            allFit = false;
        d[i] = b < 0 ? '?' : static_cast<char>(b);
    }
    if (ok)
        *ok = allFit;
    return out;
}

} // namespace

QString decodeWindows1252(const QByteArray &bytes)
{
    return decodeCp1252(bytes);
}

QString decode(const QByteArray &bytes)
{
    QByteArray body = bytes;
    const bool bom = body.startsWith("\xEF\xBB\xBF");
    if (bom)
        body.remove(0, 3);
    // The mark was dropped above; a second one is a character of the text.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(body);
    if (!decoder.hasError())
        return text;
    return decodeCp1252(bom ? bytes : body);
}

QByteArray encode(const QString &text, bool *utf8)
{
    bool fits = false;
    QByteArray bytes = encodeCp1252(text, &fits);
    // Windows-1252 bytes that also form valid UTF-8 would read back as
    // UTF-8, another text ("Ã©" as "é"): such a text is written in UTF-8.
    if (fits) {
        const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
        fits = ascii || !bytes.isValidUtf8();
    }
    if (utf8)
        *utf8 = !fits;
    if (fits)
        return bytes;
    // A text that starts with a byte-order mark keeps it: the reader drops
    // only the one added here.
    if (text.startsWith(QChar(0xFEFF)))
        return "\xEF\xBB\xBF" + text.toUtf8();
    return text.toUtf8();
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

} // namespace Encoding

#pragma once

// Small Windows metafiles made byte by byte: a rectangle filled with one
// colour, without outline.

#include "platform/Metafile.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QtEndian>

#include <initializer_list>

namespace Metafiles {

inline void put16(QByteArray &bytes, int value)
{
    char b[2];
    qToLittleEndian<qint16>(qint16(value), b);
    bytes.append(b, 2);
}

inline void put32(QByteArray &bytes, qint64 value)
{
    char b[4];
    qToLittleEndian<quint32>(quint32(value), b);
    bytes.append(b, 4);
}

inline void put32s(QByteArray &bytes, std::initializer_list<qint64> values)
{
    for (qint64 v : values)
        put32(bytes, v);
}

inline quint32 colorRef(const QColor &color)
{
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

// `width` x `height` logical units; with the placeable header, at
// `unitsPerInch`. With `rightFill`, the right half is a second rectangle
// of that colour.
inline QByteArray wmf(const QColor &fill, int width, int height, bool placeable = true, int unitsPerInch = 1440,
                      const QColor &rightFill = {})
{
    QByteArray records;
    auto record = [&records](int function, std::initializer_list<int> params) {
        put32(records, 3 + qint64(params.size()));
        put16(records, function);
        for (int p : params)
            put16(records, p);
    };
    record(0x020B, {0, 0});                     // window origin (y, x)
    record(0x020C, {height, width});             // window extent (y, x)
    put32(records, 7);                           // a solid brush
    put16(records, 0x02FC);
    put16(records, 0);
    put32(records, colorRef(fill));
    put16(records, 0);
    record(0x012D, {0});                         // selected
    record(0x02FA, {5, 0, 0, 0, 0});             // a null pen
    record(0x012D, {1});                         // selected
    const int split = rightFill.isValid() ? width / 2 : width;
    record(0x041B, {height, split, 0, 0});       // rectangle (bottom, right, top, left)
    if (rightFill.isValid()) {
        put32(records, 7);
        put16(records, 0x02FC);
        put16(records, 0);
        put32(records, colorRef(rightFill));
        put16(records, 0);
        record(0x012D, {2});
        record(0x041B, {height, width, 0, split});
    }
    record(0x0000, {});                          // end
    QByteArray bytes;
    put16(bytes, 1);
    put16(bytes, 9);
    put16(bytes, 0x300);
    put32(bytes, (18 + records.size()) / 2);
    put16(bytes, 3);
    put32(bytes, 8);
    put16(bytes, 0);
    bytes += records;
    if (!placeable)
        return bytes;
    QByteArray head;
    put32(head, 0x9AC6CDD7);
    for (int v : {0, 0, 0, width, height, unitsPerInch, 0, 0})
        put16(head, v);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= qFromLittleEndian<quint16>(head.constData() + i);
    put16(head, sum);
    return head + bytes;
}

// `width` x `height` device pixels over a frame of `frameMm`.
inline QByteArray emf(const QColor &fill, int width, int height, const QSizeF &frameMm)
{
    QByteArray records;
    put32s(records, {39, 24, 1, 0, qint64(colorRef(fill)), 0}); // a solid brush
    put32s(records, {37, 12, 1});                               // selected
    put32s(records, {37, 12, 0x80000008});                      // the stock null pen
    put32s(records, {43, 24, 0, 0, width, height});              // rectangle
    put32s(records, {14, 20, 0, 0, 20});                        // end
    constexpr int HeaderSize = 88;
    QByteArray bytes;
    put32s(bytes, {1, HeaderSize, 0, 0, width - 1, height - 1, 0, 0, qint64(frameMm.width() * 100),
                   qint64(frameMm.height() * 100), 0x464D4520, 0x10000, HeaderSize + qint64(records.size()), 6});
    put16(bytes, 2);
    put16(bytes, 0);
    put32s(bytes, {0, 0, 0, 1000, 1000, 100, 100});
    return bytes + records;
}

// The helper built with the program, for test programs that live elsewhere.
inline void useBuiltHelper()
{
    Metafile::setHelperPath(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR") + QStringLiteral("/brivadune-metafile"));
}

} // namespace Metafiles

#pragma once

// Small Windows metafiles made byte by byte: rectangles filled with one
// colour, without outline.

#include "platform/Metafile.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QSizeF>
#include <QtEndian>

#include <initializer_list>

namespace Metafiles {

// Little-endian words of 16 or 32 bits.
template <typename Word>
void put(QByteArray &bytes, std::initializer_list<qint64> values)
{
    for (qint64 v : values) {
        char b[sizeof(Word)];
        qToLittleEndian<Word>(Word(v), b);
        bytes.append(b, sizeof(Word));
    }
}

inline qint64 colorRef(const QColor &c)
{
    return c.red() | c.green() << 8 | c.blue() << 16;
}

// `width` x `height` logical units; with the placeable header, at
// `unitsPerInch`. With `rightFill`, the right half is a second rectangle
// of that colour.
inline QByteArray wmf(const QColor &fill, int width, int height, bool placeable = true, int unitsPerInch = 1440,
                      const QColor &rightFill = {})
{
    QByteArray r;
    const auto record = [&r](int function, std::initializer_list<qint64> params) {
        put<quint32>(r, {3 + qint64(params.size())});
        put<quint16>(r, {function});
        put<quint16>(r, params);
    };
    const auto brush = [&](const QColor &c) { record(0x02FC, {0, colorRef(c) & 0xFFFF, colorRef(c) >> 16, 0}); };
    const int split = rightFill.isValid() ? width / 2 : width;
    record(0x020B, {0, 0});                 // window origin (y, x)
    record(0x020C, {height, width});         // window extent (y, x)
    brush(fill);
    record(0x012D, {0});                     // selected
    record(0x02FA, {5, 0, 0, 0, 0});         // a null pen, selected
    record(0x012D, {1});
    record(0x041B, {height, split, 0, 0});   // rectangle (bottom, right, top, left)
    if (rightFill.isValid()) {
        brush(rightFill);
        record(0x012D, {2});
        record(0x041B, {height, width, 0, split});
    }
    record(0x0000, {});                      // end
    QByteArray bytes;
    put<quint16>(bytes, {1, 9, 0x300});
    put<quint32>(bytes, {(18 + r.size()) / 2});
    put<quint16>(bytes, {3});
    put<quint32>(bytes, {8});
    put<quint16>(bytes, {0});
    if (!placeable)
        return bytes + r;
    QByteArray head;
    put<quint32>(head, {0x9AC6CDD7});
    put<quint16>(head, {0, 0, 0, width, height, unitsPerInch, 0, 0});
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= qFromLittleEndian<quint16>(head.constData() + i);
    put<quint16>(head, {sum});
    return head + bytes + r;
}

// `width` x `height` device pixels over a frame of `frameMm`.
inline QByteArray emf(const QColor &fill, int width, int height, const QSizeF &frameMm)
{
    QByteArray r;
    put<quint32>(r, {39, 24, 1, 0, colorRef(fill), 0}); // a solid brush, selected
    put<quint32>(r, {37, 12, 1, 37, 12, 0x80000008});   // and the stock null pen
    put<quint32>(r, {43, 24, 0, 0, width, height});      // rectangle
    put<quint32>(r, {14, 20, 0, 0, 20});                 // end
    QByteArray bytes;
    put<quint32>(bytes, {1, 88, 0, 0, width - 1, height - 1, 0, 0, qint64(frameMm.width() * 100),
                         qint64(frameMm.height() * 100), 0x464D4520, 0x10000, 88 + r.size(), 6});
    put<quint16>(bytes, {2, 0});
    put<quint32>(bytes, {0, 0, 0, 1000, 1000, 100, 100});
    return bytes + r;
}

// Writes into `folder` a red WMF "logo.wmf" and a project "wmf.prj" whose
// only item is that logo, 900 twips square at (120, 120); the project's
// path, empty on failure.
inline QString writeProject(const QString &folder)
{
    const QString logo = folder + QStringLiteral("/logo.wmf"), project = folder + QStringLiteral("/wmf.prj");
    QFile l(logo), p(project);
    const QByteArray text = "[FORMAT]\r\nLongueur=4770\r\nHauteur=3060\r\n[LOGO 1]\r\nTop=120\r\nLeft=120\r\nTag="
                            + QFile::encodeName(logo) + "\r\nStretch=Vrai\r\nWidth=900\r\nHeight=900\r\n[LOGO]\r\nNombre=1\r\n";
    const bool ok = l.open(QIODevice::WriteOnly) && l.write(wmf(Qt::red, 1440, 1440)) > 0 && p.open(QIODevice::WriteOnly)
                    && p.write(text) == text.size();
    return ok ? project : QString();
}

// The helper built with the program, for test programs that live elsewhere.
inline void useBuiltHelper()
{
    Metafile::setHelperPath(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR") + QStringLiteral("/brivadune-metafile"));
}

} // namespace Metafiles

#pragma once

// A small picture library in a temporary application folder: two letters
// (one of them 300 pixels, as the shipped ones), a text file and a named
// pipe among the letters, no corner folder at all, and three backgrounds
// of plain colours (one JPEG named with a four-letter extension) beside a
// file that starts like a PNG but cannot be decoded.
#include "TestSupport.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

#include <sys/stat.h>

struct TestLibrary {
    TestSupport::TempAppDir dir;

    TestLibrary()
    {
        QDir(dir.path()).mkpath(QStringLiteral("Images/Alphabets/sub.png"));
        QDir(dir.path()).mkpath(QStringLiteral("Images/Images de fond"));
        save(QStringLiteral("Alphabets/B.png"), QSize(300, 300), Qt::transparent, "PNG");
        save(QStringLiteral("Alphabets/a.png"), QSize(20, 10), QColor(200, 0, 0), "PNG");
        dir.writeFile(QStringLiteral("Images/Alphabets/notes.txt"), "Lettrines\r\n");
        ::mkfifo(QFile::encodeName(letter(QStringLiteral("pipe.png"))).constData(), 0600);
        save(QStringLiteral("Images de fond/Bleu.png"), QSize(100, 64), QColor(0, 0, 255), "PNG");
        save(QStringLiteral("Images de fond/Vert.jpeg"), QSize(100, 64), QColor(0, 255, 0), "JPEG");
        dir.writeFile(QStringLiteral("Images/Images de fond/Abîmé.png"),
                      QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, 'x'));
    }

    QString path() const { return dir.path(); }
    QString letter(const QString &name) const { return dir.filePath(QStringLiteral("Images/Alphabets/") + name); }
    QString background(const QString &name) const
    {
        return dir.filePath(QStringLiteral("Images/Images de fond/") + name);
    }

private:
    void save(const QString &name, const QSize &size, const QColor &color, const char *format)
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(color);
        image.save(dir.filePath(QStringLiteral("Images/") + name), format);
    }
};

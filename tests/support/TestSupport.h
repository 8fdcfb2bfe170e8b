#pragma once

#include "document/CardData.h"
#include "platform/Colors.h"

#include <QImage>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// Small helpers shared by every test program.
namespace TestSupport {

// A temporary application folder, removed with the object.
class TempAppDir {
public:
    TempAppDir();
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // The full path of a name inside the folder ("Projets/a.prj").
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Writes `bytes` to a file of the folder (creating sub-folders); false on failure.
    bool writeFile(const QString &name, const QByteArray &bytes) const;
    // The bytes of a file of the folder (empty when it cannot be read).
    QByteArray readFile(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// Makes French (France) the default locale for its lifetime, as a French
// user's regional settings would, then restores the previous default.
class FrenchLocale {
public:
    FrenchLocale();
    ~FrenchLocale();
    FrenchLocale(const FrenchLocale &) = delete;
    FrenchLocale &operator=(const FrenchLocale &) = delete;

private:
    QLocale m_previous;
};

// The colour of one pixel, packed as the card model stores colours; -1
// outside the picture.
OleColor pixel(const QImage &image, int x, int y);

// Bytes of a whole file (empty when it cannot be read).
QByteArray readBytes(const QString &path);
// Writes bytes to a file, creating its folder; false on failure.
bool writeBytes(const QString &path, const QByteArray &bytes);

// Runs `write` while no file may grow past `maxBytes` (as on a full disk)
// and returns its result; false also when the limit cannot be set.
bool underFileSizeLimit(qint64 maxBytes, const std::function<bool()> &write);

// A card that shows only a red 20-pixel square logo in its top-left
// corner: where the cards land on a printed sheet.
CardData redCornerCard();

} // namespace TestSupport

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TestSupport {

TempAppDir::TempAppDir() = default;

bool TempAppDir::writeFile(const QString &name, const QByteArray &bytes) const
{
    return writeBytes(filePath(name), bytes);
}

QByteArray TempAppDir::readFile(const QString &name) const
{
    return readBytes(filePath(name));
}

FrenchLocale::FrenchLocale() : m_previous(QLocale())
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

FrenchLocale::~FrenchLocale()
{
    QLocale::setDefault(m_previous);
}

OleColor pixel(const QImage &image, int x, int y)
{
    if (image.isNull() || !image.valid(x, y))
        return -1;
    return Colors::fromQColor(QColor::fromRgb(image.pixel(x, y)));
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

} // namespace TestSupport

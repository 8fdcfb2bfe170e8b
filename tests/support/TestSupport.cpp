#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

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

bool underFileSizeLimit(qint64 maxBytes, const std::function<bool()> &write)
{
    // A write past the limit then fails instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    if (::getrlimit(RLIMIT_FSIZE, &previous) != 0)
        return false;
    rlimit limited = previous;
    limited.rlim_cur = rlim_t(maxBytes);
    if (::setrlimit(RLIMIT_FSIZE, &limited) != 0)
        return false;
    const bool result = write();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    return result;
}

CardData redCornerCard()
{
    CardData card;
    card.Label(1)->Visible = false;
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    card.Logo(1)->setPicture(red);
    card.Logo(1)->Left = card.Logo(1)->Top = 0;
    return card;
}

} // namespace TestSupport

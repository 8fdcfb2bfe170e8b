#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

// The clipboard exists only in a GUI application.
QClipboard *systemClipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

} // namespace

void SystemClipboard::setText(const QString &text)
{
    if (QClipboard *c = systemClipboard())
        c->setText(text);
}

QString SystemClipboard::text() const
{
    QClipboard *c = systemClipboard();
    return c ? c->text() : QString();
}

void SystemClipboard::setImage(const QImage &image)
{
    if (QClipboard *c = systemClipboard())
        c->setImage(image);
}

QImage SystemClipboard::image() const
{
    QClipboard *c = systemClipboard();
    return c ? c->image() : QImage();
}

void SystemClipboard::clear()
{
    if (QClipboard *c = systemClipboard())
        c->clear();
}

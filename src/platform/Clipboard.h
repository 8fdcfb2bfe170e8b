#pragma once

#include <QImage>
#include <QString>

// The system clipboard: text and pictures.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
    virtual void setImage(const QImage &image) = 0;
    virtual QImage image() const = 0;
    virtual void clear() = 0;
};

// Clipboard backed by QGuiApplication::clipboard().
class SystemClipboard : public Clipboard {
public:
    void setText(const QString &text) override;
    QString text() const override;
    void setImage(const QImage &image) override;
    QImage image() const override;
    void clear() override;
};

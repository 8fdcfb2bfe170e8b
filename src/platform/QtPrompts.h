#pragma once

#include "Prompts.h"

#include <memory>

class QPrinter;
class QWidget;

// Real message boxes, input boxes and Qt's file, colour, font and printer
// dialogs, parented to `parent`.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget *parent = nullptr);
    ~QtPrompts() override;
    void setParent(QWidget *parent) { m_parent = parent; }

protected:
    int doMessage(const QString &text, int style, const QString &title) override;
    QString doInput(const QString &prompt, const QString &title, const QString &defaultText) override;
    bool doDialog(CommonDialog &dialog, DialogKind kind) override;

private:
    QWidget *m_parent = nullptr;
    // The printer set up by the printer dialog when the caller gives none,
    // kept so that the choices survive from one showing to the next.
    std::unique_ptr<QPrinter> m_printer;
};

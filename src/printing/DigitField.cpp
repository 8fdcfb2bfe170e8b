#include "DigitField.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

DigitField::DigitField(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    // What is not typed (a paste, a drop) must be digits too.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    setContextMenuPolicy(Qt::NoContextMenu);
}

void DigitField::keyPressEvent(QKeyEvent *event)
{
    // Backspace and a paste are refused like any character that is not a
    // digit; keys that type nothing (Delete, arrows, Tab, Return, shortcuts
    // such as copy) keep their use.
    bool refused = event->key() == Qt::Key_Backspace || event->matches(QKeySequence::Paste);
    for (const QChar c : event->text()) {
        if (c.isPrint() && (c < u'0' || c > u'9'))
            refused = true;
    }
    if (refused) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DigitField::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    selectAll();
}

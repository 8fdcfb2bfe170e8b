#pragma once

#include <QLineEdit>

// A numeric field of the print dialog: only the digits 0 to 9 can be typed,
// every other typed character is discarded (Backspace, "." and ","
// included) and nothing else can be pasted in. A click selects the whole
// content, so typing replaces it. Delete and the arrow keys still work.
class DigitField : public QLineEdit {
    Q_OBJECT
public:
    explicit DigitField(const QString &text = {}, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

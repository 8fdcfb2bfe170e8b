#pragma once

#include "platform/Colors.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;
class Shell;

// The about box: the product's picture, name and motto, its version and a
// link that blinks every second and opens the help's "À propos" page (the
// product has no web site of its own).
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Centres itself on `frame`; the link opens the help of `appDir`.
    frmAbout(QWidget &frame, Shell *shell, const QString &appDir = {});


    QLabel *Label1() const { return m_version; }
    QLabel *Label3() const { return m_link; }
    QPushButton *Command1() const { return m_ok; }
    QTimer *Timer1() const { return m_blink; }

    // One blink: button-text colour <-> blue.
    void Timer1_Timer();
    // Opens the help's "À propos" page.
    void Label3_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The text of the link.
    static QString linkText();
    // "Version : major.minor.revision".
    static QString versionText();
    void applyLinkColor();

    Shell *m_shell;
    QString m_appDir;
    QLabel *m_version = nullptr;
    QLabel *m_link = nullptr;
    QPushButton *m_ok = nullptr;
    QTimer *m_blink = nullptr;
    OleColor m_linkColor = Colors::system(Colors::ButtonText);
};

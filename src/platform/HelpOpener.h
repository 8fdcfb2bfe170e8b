#pragma once

#include <QString>

class Shell;

// Opens the help of the application folder: the compiled help "Aide.chm"
// with its default program when the desktop has one for it, otherwise the
// same pages as HTML ("Aide/index.html") in the web browser, so help opens
// on any desktop. Every "Aide" button and the Help menu go through here.
class HelpOpener {
public:
    explicit HelpOpener(Shell &shell) : m_shell(shell) {}

    // `topic` names the page shown when the HTML pages are used; the
    // compiled help always opens on its first page.
    void openHelp(const QString &appDir, const QString &topic = {});
    // The help's "À propos" page, in the browser.
    void openAboutPage(const QString &appDir);

private:
    enum class Program { Default, Browser };
    struct Target {
        QString path;
        Program program = Program::Default;
    };

    // The type the desktop registers compiled help files under.
    static QString chmMimeType() { return QStringLiteral("application/vnd.ms-htmlhelp"); }
    static QString chmPath(const QString &appDir);
    // The HTML page of `topic` ("editeur"), the index when empty.
    static QString pagePath(const QString &appDir, const QString &topic = {});
    // What openHelp opens.
    Target helpTarget(const QString &appDir, const QString &topic) const;
    bool open(const Target &target);

    Shell &m_shell;
};

#pragma once

#include <QString>

class Prompts;
class Shell;

// Opens the help of the application folder. The Help menu opens the
// compiled help "Aide.chm" with the desktop's program for it; a dialog's
// "Aide" button opens the page of its own topic ("Aide/editeur.html") in
// the web browser, because the compiled help can only be opened on its
// first page (the context map chmcmd writes names the pages by the build
// folder's paths, which no viewer finds in the file). Without a viewer the
// menu opens the pages' index in the browser; with neither, a message
// tells where the help is and how to read it.
class HelpOpener {
public:
    // `prompts` shows the message when nothing can show the help; none:
    // nothing is said.
    explicit HelpOpener(Shell &shell, Prompts *prompts = nullptr) : m_shell(shell), m_prompts(prompts) {}

    // `topic` names a page of the help ("editeur"); empty: the whole help.
    void openHelp(const QString &appDir, const QString &topic = {});
    // The help's "À propos" page, in the browser.
    void openAboutPage(const QString &appDir);

private:
    // What the user reads when neither a help viewer nor a browser is
    // there; `page` is the help page meant.
    static QString noReaderMessage(const QString &page);
    // The type the desktop registers compiled help files under.
    static QString chmMimeType() { return QStringLiteral("application/vnd.ms-htmlhelp"); }
    static QString chmPath(const QString &appDir);
    // The HTML page of `topic` ("editeur"), the index when empty.
    static QString pagePath(const QString &appDir, const QString &topic = {});
    void tellNoReader(const QString &page);

    Shell &m_shell;
    Prompts *m_prompts;
};

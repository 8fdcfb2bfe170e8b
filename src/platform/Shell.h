#pragma once

#include <QString>

// Opens a document or an address with the desktop's default program.
class Shell {
public:
    virtual ~Shell() = default;
    // `target` is a local file path or an http(s) address. Returns whether
    // the request could be handed to the desktop; callers may ignore it.
    virtual bool open(const QString &target) = 0;
    // Opens a local web page or an address in the web browser. By default
    // the same as open(): the desktop's program for web pages is the
    // browser.
    virtual bool openInBrowser(const QString &target) { return open(target); }
    // The desktop entry of the program that opens files of `mimeType`
    // ("xchm.desktop"), empty when none is registered or nobody can tell.
    virtual QString defaultProgramFor(const QString &mimeType) { return {}; }
    // Whether a web browser is there to open local pages.
    virtual bool canBrowse() { return true; }
};

// Shell backed by QDesktopServices; the default program of a file type is
// asked of `xdg-mime`.
class DesktopShell : public Shell {
public:
    bool open(const QString &target) override;
    bool openInBrowser(const QString &target) override;
    QString defaultProgramFor(const QString &mimeType) override;
    // $BROWSER, Debian's x-www-browser or a program registered for web
    // pages.
    bool canBrowse() override;
};

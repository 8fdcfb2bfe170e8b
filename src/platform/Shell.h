#pragma once

#include <QString>

// Opens a document or an address with the desktop's default program.
class Shell {
public:
    virtual ~Shell() = default;
    // `target` is a local file path or an http(s) address. Returns whether
    // the request could be handed to the desktop; callers may ignore it.
    virtual bool open(const QString &target) = 0;
};

// Shell backed by QDesktopServices.
class DesktopShell : public Shell {
public:
    bool open(const QString &target) override;
};

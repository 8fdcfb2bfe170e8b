#pragma once

// A main frame for the application's tests: its own temporary application
// folder, scripted prompts, a shell that records what it opens, a counted
// beep, and modal dialogs that do not block.

#include "app/frmMenu.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "TestSupport.h"

#include <QDialog>
#include <QSignalSpy>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class RecordingShell : public Shell {
public:
    QStringList opened;
    bool open(const QString &target) override
    {
        opened.append(target);
        return true;
    }
};

class TestFrame : public frmMenu {
public:
    using frmMenu::frmMenu;

    // Saves asked for (with or without the name dialog).
    std::vector<bool> saves;
    // Class names of the modal dialogs shown, and a hook to look at one.
    QStringList modalDialogs;
    std::function<int(QDialog &)> onModal;

    bool Sauver_unProjet(bool withDialog) override
    {
        saves.push_back(withDialog);
        return true;
    }

protected:
    int runModal(QDialog &dialog) override
    {
        modalDialogs.append(QString::fromLatin1(dialog.metaObject()->className()));
        return onModal ? onModal(dialog) : int(QDialog::Rejected);
    }
};

// Owns everything a frame needs; the frame is destroyed first.
struct FrameFixture {
    explicit FrameFixture(const QString &appDir = {})
    {
        Services services;
        services.appDir = appDir.isEmpty() ? dir.path() : appDir;
        services.prompts = &prompts;
        services.shell = &shell;
        services.beep = [this] { ++beeps; };
        frame = std::make_unique<TestFrame>(services);
        commands = std::make_unique<QSignalSpy>(frame.get(), &frmMenu::commandRun);
    }

    // The (handler, index) pairs run since the last call.
    std::vector<std::pair<QString, int>> takeCommands()
    {
        std::vector<std::pair<QString, int>> list;
        for (const QList<QVariant> &call : std::as_const(*commands))
            list.emplace_back(call.at(0).toString(), call.at(1).toInt());
        commands->clear();
        return list;
    }

    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    RecordingShell shell;
    int beeps = 0;
    std::unique_ptr<TestFrame> frame;
    std::unique_ptr<QSignalSpy> commands;
};

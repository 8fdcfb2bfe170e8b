#pragma once

// A main frame for the application's tests: its own temporary application
// folder, scripted prompts, a shell and a clipboard that keep what they get,
// a counted beep, and modal dialogs that are recorded instead of shown.

#include "app/frmMenu.h"
#include "platform/Clipboard.h"
#include "platform/DialogRunner.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "TestSupport.h"

#include <QDialog>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Keeps what it opens with the default program and what in the browser;
// `chmProgram` is the desktop's viewer of compiled help (none when empty).
struct RecordingShell : Shell {
    QStringList opened;
    QStringList browsed;
    QString chmProgram;
    bool open(const QString &target) override { opened.append(target); return true; }
    bool openInBrowser(const QString &target) override { browsed.append(target); return true; }
    QString defaultProgramFor(const QString &) override { return chmProgram; }
};

struct MemoryClipboard : Clipboard {
    QString textValue;
    QImage imageValue;
    int clears = 0;
    void setText(const QString &text) override { textValue = text; }
    QString text() const override { return textValue; }
    void setImage(const QImage &image) override { imageValue = image; }
    QImage image() const override { return imageValue; }
    void clear() override { ++clears, textValue.clear(), imageValue = QImage(); }
};

// Runs no dialog: records the class name of each one asked for and answers
// through a hook (rejected without one).
struct RecordingDialogs : DialogRunner {
    QStringList modalDialogs;
    std::function<int(QDialog &)> onModal;
    int run(QDialog &dialog) override
    {
        modalDialogs.append(QString::fromLatin1(dialog.metaObject()->className()));
        return onModal ? onModal(dialog) : int(QDialog::Rejected);
    }
};

using TestFrame = frmMenu;

using Calls = std::vector<std::pair<QString, int>>;

// Owns everything a frame needs; the frame is destroyed first.
struct FrameFixture {
    explicit FrameFixture(const QString &appDir = {})
    {
        Services services{appDir.isEmpty() ? dir.path() : appDir, &prompts, &shell, &clipboard, [this] { ++beeps; },
                          &dialogs};
        frame = std::make_unique<TestFrame>(services);
        commands = std::make_unique<QSignalSpy>(frame.get(), &frmMenu::commandRun);
    }

    // The start-up, then the frame on screen.
    [[nodiscard]] bool start()
    {
        if (!frame->MDIForm_Load())
            return false;
        frame->show();
        return QTest::qWaitForWindowExposed(frame.get());
    }

    // The start-up, then one new card window, active; null on failure.
    frmProjet *startWithCard()
    {
        if (!start())
            return nullptr;
        return frame->newCard();
    }

    // The (handler, index) pairs run since the last call.
    Calls takeCommands()
    {
        Calls list;
        for (const QList<QVariant> &call : std::as_const(*commands))
            list.emplace_back(call.at(0).toString(), call.at(1).toInt());
        commands->clear();
        return list;
    }

    QStringList texts() const
    {
        QStringList list;
        for (const auto &call : prompts.messages)
            list << call.text;
        return list;
    }

    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    RecordingShell shell;
    MemoryClipboard clipboard;
    RecordingDialogs dialogs;
    int beeps = 0;
    std::unique_ptr<TestFrame> frame;
    std::unique_ptr<QSignalSpy> commands;
};

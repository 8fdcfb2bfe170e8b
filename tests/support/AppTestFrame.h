#pragma once

// A main frame for the application's tests: its own temporary application
// folder, scripted prompts, a shell and a clipboard that keep what they get,
// a counted beep, and modal dialogs that are recorded instead of shown.

#include "app/Autosave.h"
#include "app/CardWindows.h"
#include "app/FrameMenus.h"
#include "app/FrameStatusBar.h"
#include "app/frmMenu.h"
#include "app/panel/ToolPanel.h"
#include "cardwindow/frmProjet.h"
#include "platform/Clipboard.h"
#include "platform/DialogRunner.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QDialog>
#include <QMdiSubWindow>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>

// Keeps what it opens with the default program and what in the browser;
// `chmProgram` is the desktop's viewer of compiled help (none when empty).
struct RecordingShell : Shell {
    QStringList opened, browsed;
    QString chmProgram;
    bool open(const QString &target) override { return opened.append(target), true; }
    bool openInBrowser(const QString &target) override { return browsed.append(target), true; }
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

// Owns everything a frame needs; the frame is destroyed first.
struct FrameFixture {
    explicit FrameFixture(const QString &appDir = {})
    {
        Services services{appDir.isEmpty() ? dir.path() : appDir, &prompts, &shell, &clipboard, [this] { ++beeps; },
                          &dialogs};
        frame = std::make_unique<frmMenu>(services);
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
    frmProjet *startWithCard() { return start() ? frame->newCard() : nullptr; }

    // The start-up, then `count` new card windows, Projet1 to Projet<count>, the last one active.
    [[nodiscard]] bool startWithCards(int count)
    {
        if (!start())
            return false;
        for (int i = 0; i < count; ++i)
            frame->newCard();
        return true;
    }
    // The window of card `number` (1 and up), in the order opened.
    QMdiSubWindow *subWindow(int number) const
    {
        frmProjet *card = cards().value(number - 1);
        return card ? qobject_cast<QMdiSubWindow *>(card->parentWidget()) : nullptr;
    }

    // The frame's parts, as the frame holds them.
    ToolPanel &panel() const { return frame->panel(); }
    FrameMenus &menus() const { return *frame->findChild<FrameMenus *>(); }
    CardWindows &windows() const { return *frame->findChild<CardWindows *>(); }
    Autosave &autosave() const { return *frame->findChild<Autosave *>(); }
    FrameStatusBar &status() const { return *qobject_cast<FrameStatusBar *>(frame->statusBar()); }
    QList<frmProjet *> cards() const { return windows().cards(); }

    // Answers for the next message boxes, in order.
    void queueMessages(std::initializer_list<int> answers)
    {
        for (int answer : answers)
            prompts.queueMessage(answer);
    }

    // Answers each modal dialog of class `Dialog` by running `answer` on it.
    template <typename Dialog>
    void answer(std::function<void(Dialog &)> answer)
    {
        dialogs.onModal = [answer](QDialog &d) {
            auto *dialog = qobject_cast<Dialog *>(&d);
            if (!dialog)
                return int(QDialog::Rejected);
            answer(*dialog);
            return dialog->result();
        };
    }

    // What `action` shows: modal windows, file dialogs and messages by
    // title, documents handed to the shell.
    QStringList shownBy(const std::function<void()> &action) const
    {
        const auto shown = [this] {
            QStringList all = dialogs.modalDialogs;
            for (const auto &call : prompts.dialogs)
                all << call.snapshot.DialogTitle;
            for (const auto &call : prompts.messages)
                all << call.title;
            for (const QString &document : shell.opened)
                all << QFileInfo(document).fileName();
            return all;
        };
        const QStringList before = shown();
        action();
        QStringList after = shown();
        for (const QString &seen : before)
            after.removeOne(seen);
        return after;
    }

    // The texts of the message boxes shown so far.
    QStringList texts() const
    {
        QStringList list;
        for (const auto &call : prompts.messages)
            list << call.text;
        return list;
    }
    // The panel's object list.
    QStringList rows() const
    {
        QStringList list;
        for (int i = 0; i < panel().Objets()->count(); ++i)
            list << panel().Objets()->itemText(i);
        return list;
    }
    // Chooses the object-list row of `item` ("Lb3"), as a user does.
    void choose(const QString &item)
    {
        const int row = int(rows().indexOf(QRegularExpression(QStringLiteral("^%1 \\| .*").arg(item))));
        QVERIFY2(row >= 0, qPrintable(item));
        panel().Objets()->setCurrentIndex(row);
        emit panel().Objets()->activated(row);
    }

    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    RecordingShell shell;
    MemoryClipboard clipboard;
    RecordingDialogs dialogs;
    int beeps = 0;
    std::unique_ptr<frmMenu> frame;
};

// A shown frame with one new card window, active (its activation selects label 1), and what tests look at on it.
struct CardFixture : FrameFixture {
    CardFixture() : card(startWithCard()) { QVERIFY(card); }
    // The selection frame, empty when hidden.
    QRectF bord() const { return card->bord().visible ? card->bord().rect : QRectF(); }
    const CardLabel &label(int i = 1) const { return *card->doc().Label(i); }
    const CardLogo &logo(int i = 1) const { return *card->doc().Logo(i); }
    QPointF at(CardItemRef item) const { return card->doc().itemRect(item).value_or(QRectF()).topLeft(); }
    // Where the item would be centred on the card.
    QPointF centred(CardItemRef item) const
    {
        const QSizeF size = card->doc().itemRect(item)->size();
        return {float(card->Picture1().width() / 2 - size.width() / 2),
                float(card->Picture1().height() / 2 - size.height() / 2)};
    }
    // The card's colour on screen at a fraction of its width and height.
    OleColor pixel(double x, double y) const
    {
        return card->Picture1().point(x * card->Picture1().width(), y * card->Picture1().height());
    }
    CardBackground background() const { return card->doc().background(); }
    // The selection frame expected around an item: a label's with its
    // margins, a logo's bounds.
    static QRectF labelFrame(const CardLabel &l) { return {l.Left - 40, l.Top - 10, l.Width() + 70, l.Height() + 30}; }
    static QRectF logoFrame(const CardLogo &l) { return {l.Left, l.Top, l.Width(), l.Height()}; }
    // The size a label takes when it sizes itself to its text.
    static QSizeF fittedSize(CardLabel label)
    {
        label.setAutoSize(false);
        label.setAutoSize(true);
        return {label.Width(), label.Height()};
    }
    // A double click on an item, as the user makes it.
    void doubleClick(CardItemRef item) const
    {
        const QRectF rect = *card->doc().itemRect(item);
        const QPoint at = (rect.center() / 15).toPoint();
        QTest::mouseDClick(card->cardView(), Qt::LeftButton, {}, at);
    }
    frmProjet *card;
};

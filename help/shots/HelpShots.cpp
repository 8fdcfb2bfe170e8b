// Makes the screenshots of the help from the real program: it starts the
// main frame on an application folder, runs its commands as a user would
// (new project through the wizard, a logo, the panel's pages, the menus,
// the dialogs) and grabs each window once it is laid out.
//
//   brivadune-helpshots --app-dir DIR --out DIR
//
// Every modal dialog the frame opens is grabbed, whether it goes through
// the frame's dialog runner or runs its own loop, and named after its class
// (see shotName); a dialog with tabs gives one picture per tab. A window
// that does not exist yet is simply not grabbed, so the help gains its
// picture the next time this runs.
#include "app/frmMenu.h"
#include "app/TabStrip.h"
#include "document/frmProjet.h"
#include "imaging/frmRedim.h"
#include "platform/AppPaths.h"
#include "platform/Clipboard.h"
#include "platform/DialogRunner.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "wizard/ResourceTree.h"
#include "wizard/frmAssist.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QLibraryInfo>
#include <QPainter>
#include <QMenu>
#include <QSlider>
#include <QTranslator>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <functional>

namespace {

// Pictures wider than this are scaled down (the preview covers the screen).
constexpr int MaxWidth = 900;
// The size of the monogram on the card, in twips.
constexpr int MonogramTwips = 900;

void settle(int ms = 400)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The file name of a dialog's screenshot, by class.
QString shotName(const QWidget &dialog)
{
    const QString cls = QString::fromLatin1(dialog.metaObject()->className());
    static const QHash<QString, QString> names{
        {QStringLiteral("frmAssist"), QStringLiteral("assistant")},
        {QStringLiteral("frmEditer"), QStringLiteral("editeur")},
        {QStringLiteral("frmRedim"), QStringLiteral("redimensionner")},
        {QStringLiteral("frmAbout"), QStringLiteral("apropos")},
        {QStringLiteral("frmPrint"), QStringLiteral("impression")},
        {QStringLiteral("frmPage"), QStringLiteral("apercu")},
        {QStringLiteral("SourceDialog"), QStringLiteral("numerisation-source")},
    };
    return names.value(cls, cls.toLower());
}

class Shooter {
public:
    explicit Shooter(QString outDir) : m_out(std::move(outDir)) {}

    void save(QWidget &widget, const QString &name) { saveImage(widget.grab().toImage(), name); }

    void saveImage(QImage image, const QString &name)
    {
        if (image.width() > MaxWidth)
            image = image.scaledToWidth(MaxWidth, Qt::SmoothTransformation);
        const QString path = QDir(m_out).filePath(name + QStringLiteral(".png"));
        if (image.isNull() || !image.save(path, "PNG")) {
            std::fprintf(stderr, "helpshots: %s not written\n", qPrintable(path));
            ++m_failures;
            return;
        }
        std::printf("%s\n", qPrintable(path));
    }

    // Two pictures next to each other on white.
    void saveSideBySide(const QImage &left, const QImage &right, const QString &name)
    {
        constexpr int Gap = 16;
        QImage both(left.width() + Gap + right.width(), qMax(left.height(), right.height()), QImage::Format_RGB32);
        both.fill(Qt::white);
        QPainter painter(&both);
        painter.drawImage(0, 0, left);
        painter.drawImage(left.width() + Gap, 0, right);
        painter.end();
        saveImage(both, name);
    }

    // A dialog as it shows, one picture per tab when it has tabs.
    void saveDialog(QDialog &dialog)
    {
        settle();
        const QString name = shotName(dialog);
        QTabBar *tabs = dialog.findChild<QTabBar *>();
        if (!tabs || tabs->count() < 2) {
            save(dialog, name);
            return;
        }
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            settle(250);
            save(dialog, name + QStringLiteral("-%1").arg(i + 1));
        }
        tabs->setCurrentIndex(shown);
    }

    int failures() const { return m_failures; }

private:
    QString m_out;
    int m_failures = 0;
};

// The frame's modal dialogs: shown without a loop of their own, grabbed,
// then answered by the preparation of their class (cancelled without one).
class ShootingDialogs : public DialogRunner {
public:
    using Prepare = std::function<int(QDialog &)>;
    explicit ShootingDialogs(Shooter &shooter) : m_shooter(shooter) {}
    void prepare(const QString &cls, Prepare hook) { m_hooks.insert(cls, std::move(hook)); }

    int run(QDialog &dialog) override
    {
        const QPointer<QDialog> outer = m_current;
        m_current = &dialog;
        dialog.show();
        settle();
        int result = QDialog::Rejected;
        const auto hook = m_hooks.constFind(QString::fromLatin1(dialog.metaObject()->className()));
        if (hook != m_hooks.constEnd()) {
            result = (*hook)(dialog);
        } else {
            m_shooter.saveDialog(dialog);
            dialog.reject();
        }
        m_current = outer;
        return result;
    }

    // The dialog this runner shows at the moment, if any.
    bool handles(const QWidget *widget) const { return widget && widget == m_current; }

private:
    Shooter &m_shooter;
    QHash<QString, Prepare> m_hooks;
    QPointer<QDialog> m_current;
};

struct QuietShell : Shell {
    bool open(const QString &) override { return true; }
};

struct MemoryClipboard : Clipboard {
    QString textValue;
    QImage imageValue;
    void setText(const QString &text) override { textValue = text; }
    QString text() const override { return textValue; }
    void setImage(const QImage &image) override { imageValue = image; }
    QImage image() const override { return imageValue; }
    void clear() override { textValue.clear(), imageValue = QImage(); }
};

QString firstFile(const QString &folder)
{
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    return files.isEmpty() ? QString() : QDir(folder).filePath(files.first());
}

// The wizard, filled in as a user would, grabbed on both tabs, then "Créer".
int fillWizard(QDialog &dialog, Shooter &shooter, const QString &appDir)
{
    auto &wizard = static_cast<frmAssist &>(dialog);
    wizard.Text1()->setText(QStringLiteral("Atelier Dupont"));
    const QString background = firstFile(AppPaths::join(appDir, QStringLiteral("\\Images\\Images de fond")));
    if (auto *tree = wizard.findChild<ResourceTree *>(); tree && !background.isEmpty()) {
        if (QTreeWidgetItem *item = tree->itemOf(background)) {
            tree->scrollToItem(item);
            tree->setCurrentItem(item);
        }
        emit tree->entryChosen(background);
    }
    wizard.customizeFields()->setChecked(true);
    const QStringList texts{QStringLiteral("Marie Dupont"), QStringLiteral("12 rue des Lilas, 63000 Clermont"),
                            QStringLiteral("CRÉATRICE DE BIJOUX"), QStringLiteral("06 12 34 56 78")};
    for (int i = 1; i <= 4; ++i)
        wizard.Text3(i)->setText(texts.at(i - 1));
    shooter.saveDialog(wizard);
    wizard.Command1_Click(0);
    return wizard.result();
}

void popupAndSave(QMenu *menu, QWidget &frame, Shooter &shooter, const QString &name)
{
    if (!menu)
        return;
    menu->popup(frame.mapToGlobal(QPoint(40, 40)));
    settle(300);
    shooter.save(*menu, name);
    menu->hide();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Brivadune"));
    // The standard buttons in French, as the program shows them.
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    const QString appDir = AppPaths::resolveAppDir(args, QApplication::applicationDirPath());
    const qsizetype outAt = args.indexOf(QStringLiteral("--out"));
    if (outAt < 0 || outAt + 1 >= args.size()) {
        std::fprintf(stderr, "usage: brivadune-helpshots --app-dir DIR --out DIR\n");
        return 2;
    }
    const QString outDir = args.at(outAt + 1);
    QDir().mkpath(outDir);

    Shooter shooter(outDir);
    ShootingDialogs dialogs(shooter);
    ScriptedPrompts prompts;
    QuietShell shell;
    MemoryClipboard clipboard;
    Services services{appDir, &prompts, &shell, &clipboard, [] {}, &dialogs};

    // A dialog that runs its own loop (a window another one opens) is
    // grabbed and closed from here.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&shooter, &dialogs] {
        static bool busy = false;
        auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!modal || busy || dialogs.handles(modal))
            return;
        busy = true;
        shooter.saveDialog(*modal);
        modal->reject();
        busy = false;
    });
    watcher.start(200);

    frmMenu frame(services);
    if (!frame.MDIForm_Load()) {
        std::fprintf(stderr, "helpshots: the program runs already on %s\n", qPrintable(appDir));
        return 1;
    }
    frame.resize(920, 640);
    frame.show();
    settle();

    // A card made by the wizard, then a logo with a picture.
    dialogs.prepare(QStringLiteral("frmAssist"),
                    [&](QDialog &dialog) { return fillWizard(dialog, shooter, appDir); });
    frame.Mnu_Outfich_Click(0);
    frmProjet *card = frame.activeCard();
    if (!card) {
        std::fprintf(stderr, "helpshots: the wizard made no card\n");
        return 1;
    }
    if (QMdiSubWindow *window = frame.subWindowOf(card))
        window->showMaximized();
    // The wizard's empty logo gets a letter of the library as a monogram,
    // made smaller with the resize dialog.
    const int logo = card->doc().NumLogo;
    card->Logo_Click(logo);
    prompts.queueFile(AppPaths::join(appDir, QStringLiteral("\\Images\\Alphabets\\M.png")));
    frame.Mnu_OutLogo_Click(2);
    dialogs.prepare(QStringLiteral("frmRedim"), [&](QDialog &dialog) {
        auto &resize = static_cast<frmRedim &>(dialog);
        resize.Slider1()->setValue(MonogramTwips);
        shooter.saveDialog(resize);
        resize.Command1_Click(0);
        return resize.result();
    });
    card->Logo_Click(logo);
    frame.Mnu_OutLogo_Click(0);
    card->Label_Click(1);
    settle();
    shooter.save(frame, QStringLiteral("fenetre"));

    // The tool panel's pages.
    frame.Check1(3)->setChecked(true);
    const char *const pages[] = {"panneau-outils", "panneau-position", "panneau-fond", "panneau-palette"};
    for (int tab = 1; tab <= 4; ++tab) {
        frame.selectTab(tab);
        frame.Tab1_Click();
        settle(250);
        shooter.save(*frame.Toolbar2(), QString::fromLatin1(pages[tab - 1]));
    }
    frame.selectTab(1);
    frame.Tab1_Click();

    // The menus.
    const std::pair<const char *, const char *> menus[] = {
        {"Mnu_Outfich", "menu-fichier"},   {"Mnu_OutEdition", "menu-edition"}, {"Mnu_OutAff", "menu-affichage"},
        {"Mnu_OutOutils", "menu-outils"},  {"Mnu_OutPal", "menu-palette"},     {"Mnu_OutPro", "menu-fenetre"},
        {"Mnu_OutInfo", "menu-aide"},      {"Mnu_OutLabel", "menu-label"},     {"Mnu_OutLogo", "menu-logo"},
    };
    for (const auto &[array, name] : menus)
        popupAndSave(frame.menuOf(QString::fromLatin1(array)), frame, shooter, QString::fromLatin1(name));

    // The text editor.
    card->Label_Click(1);
    frame.Mnu_OutLabel_Click(0);

    // The card before and after an effect, side by side.
    card->hideBord();
    settle();
    const QImage before = card->cardView()->grab().toImage();
    frame.Mnu_OutPal_Click(11);
    settle();
    shooter.saveSideBySide(before, card->cardView()->grab().toImage(), QStringLiteral("effets"));
    frame.Mnu_OutPal_Click(0);

    // Scanner, printing, preview, about box.
    frame.Mnu_OutImp_Click(1);
    frame.Mnu_Outfich_Click(11);
    frame.Mnu_Outfich_Click(10);
    frame.Mnu_OutInfo_Click(8);
    settle();
    return shooter.failures() == 0 ? 0 : 1;
}

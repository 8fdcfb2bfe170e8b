// "Importation TWAIN" through SANE's test backend: a scan made the card's
// background, the name box, a cancelled scan, refused names, no scanner,
// and the chosen source kept between runs.
#include "AppTestFrame.h"

#include "app/Settings.h"
#include "document/frmProjet.h"
#include "imaging/ScanProgressDialog.h"
#include "imaging/SourceDialog.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QString Cancelled = QStringLiteral("Numérisation annulée par l'utilisateur.");
const QString NoScanner = QStringLiteral("Aucun scanner n'a été trouvé.");

// SANE reads its configuration folder's name once per process, and the
// files in it at every start of a session (each frame's scanner).
QTemporaryDir &saneDir()
{
    static QTemporaryDir dir;
    return dir;
}

bool configureSane(bool withDevices, const QByteArray &extra = {})
{
    const QByteArray conf = TestSupport::readBytes(QStringLiteral("/etc/sane.d/test.conf"));
    const QDir dir(saneDir().path());
    return !conf.isEmpty()
        && TestSupport::writeBytes(dir.filePath(QStringLiteral("test.conf")),
                                   conf + "\nmode Color\nresolution 50\ntest-picture \"Color pattern\"\n" + extra)
        && TestSupport::writeBytes(dir.filePath(QStringLiteral("dll.conf")), withDevices ? "test\n" : "");
}

// A frame with one card and an "Images" folder; modal dialogs really run.
struct Scanning : FrameFixture {
    Scanning()
    {
        QVERIFY(start());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Images")));
        card = frame->newCard();
        dialogs.onModal = [](QDialog &dialog) { return dialog.exec(); };
    }
    frmProjet *card = nullptr;
};

} // namespace

class tst_scan : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void scanBecomesTheBackground();
    void cancelledOrRefusedChangesNothing();
    void noScannerAndTheChosenSource();
};

void tst_scan::initTestCase()
{
    QVERIFY(saneDir().isValid());
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(saneDir().path()));
    QVERIFY(configureSane(true));
}

void tst_scan::scanBecomesTheBackground()
{
    Scanning s;
    s.prompts.queueInput(QStringLiteral("Nom du fichier"));
    s.frame->Mnu_OutImp_Click(0);
    QCOMPARE(s.prompts.inputs.size(), std::size_t(1));
    const ScriptedPrompts::InputCall &ask = s.prompts.inputs.front();
    QCOMPARE(ask.title, QStringLiteral("Acquérir une image"));
    QCOMPARE(ask.defaultText, QStringLiteral("Nom du fichier"));
    QCOMPARE(ask.prompt, QStringLiteral("Veuillez indiquer le nom de votre image qui servira pour le fond du projet.\r\r"
                                        "1. Les caractères spéciaux ne sont pas autorisés.\r\r"
                                        "2. Le fichier sera enregistré au format Bmp dans le dossier images.\r"));
    QCOMPARE(s.dialogs.modalDialogs, QStringList{QStringLiteral("ScanProgressDialog")});
    const QString path = s.dir.filePath(QStringLiteral("Images/Nom du fichier.bmp"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(quint8(TestSupport::readBytes(path).at(28)), quint8(24));
    QCOMPARE(s.card->doc().NumFond, 2);
    QCOMPARE(s.card->doc().BackgroundPicture, path);
    QVERIFY(s.prompts.messages.empty());
    // The scanned picture is on the card, not white.
    const QImage &card = s.card->Picture1().image();
    QVERIFY(TestSupport::pixel(card, card.width() / 2, card.height() / 2) != Colors::White);
}

void tst_scan::cancelledOrRefusedChangesNothing()
{
    {
        Scanning s;
        // The name box cancelled: nothing at all.
        s.frame->Mnu_OutImp_Click(0);
        QVERIFY(s.dialogs.modalDialogs.isEmpty() && s.prompts.messages.empty());

        // Names that would leave "Images" or hide the file are refused with
        // the box's own hint.
        for (const char *name : {"../dehors", "sous/dossier", "a\\b", ".cache", "tab\tulation"}) {
            s.prompts.queueInput(QString::fromUtf8(name));
            s.frame->Mnu_OutImp_Click(0);
            QCOMPARE(s.prompts.messages.back().text, QStringLiteral("Les caractères spéciaux ne sont pas autorisés."));
    }
    QVERIFY(s.dialogs.modalDialogs.isEmpty());
    QVERIFY(QDir(s.dir.filePath(QStringLiteral("Images"))).isEmpty());
    }

    // A scan cancelled while it runs (each line read slowly). SANE reads
    // its settings when the first frame starts it: none is left running.
    QVERIFY(configureSane(true, "read-delay true\nread-delay-duration 200000\n"));
    {
        Scanning slow;
        slow.dialogs.onModal = [](QDialog &dialog) {
            auto *progress = qobject_cast<ScanProgressDialog *>(&dialog);
            if (progress)
                QTimer::singleShot(50, progress->cancelButton(), &QPushButton::click);
            return dialog.exec();
        };
        slow.prompts.queueInput(QStringLiteral("annule"));
        const QImage blank = slow.card->Picture1().image().copy();
        slow.frame->Mnu_OutImp_Click(0);
        QVERIFY(!slow.prompts.messages.empty());
        QCOMPARE(slow.prompts.messages.back().text, Cancelled);
        QCOMPARE(slow.prompts.messages.back().style, int(Msg::Critical));
        QCOMPARE(slow.card->doc().NumFond, 0);
        QCOMPARE(slow.card->Picture1().image(), blank);
        QVERIFY(!QFile::exists(slow.dir.filePath(QStringLiteral("Images/annule.bmp"))));
        QVERIFY(configureSane(true));
    }

    // Without the "Images" folder the scan fails the same way.
    Scanning s;
    const QImage before = s.card->Picture1().image().copy();
    QVERIFY(QDir(s.dir.filePath(QStringLiteral("Images"))).removeRecursively());
    s.prompts.queueInput(QStringLiteral("carte"));
    s.frame->Mnu_OutImp_Click(0);
    QCOMPARE(s.prompts.messages.back().text, Cancelled);
    QCOMPARE(s.card->Picture1().image(), before);
}

void tst_scan::noScannerAndTheChosenSource()
{
    {
        QVERIFY(configureSane(false));
        Scanning none;
        none.prompts.queueInput(QStringLiteral("jamais"));
        none.frame->Mnu_OutImp_Click(0);
        none.frame->Mnu_OutImp_Click(1);
        QCOMPARE(none.texts(), QStringList({NoScanner, NoScanner}));
        QCOMPARE(none.prompts.messages.front().style, int(Msg::Information));
        QVERIFY(none.prompts.inputs.empty()); // checked before the name
        QVERIFY(none.dialogs.modalDialogs.isEmpty());
    }
    QVERIFY(configureSane(true));
    TestSupport::TempAppDir dir;
    {
        FrameFixture first(dir.path());
        QVERIFY(first.start());
        // Without a card, "Acquérir..." does nothing.
        first.frame->Mnu_OutImp_Click(0);
        QVERIFY(first.prompts.messages.empty() && first.prompts.inputs.empty());
        first.dialogs.onModal = [](QDialog &dialog) {
            auto *chooser = qobject_cast<SourceDialog *>(&dialog);
            if (!chooser || chooser->windowTitle() != QStringLiteral("Sélectionner la source")
                || chooser->list()->count() != 2)
                return int(QDialog::Rejected);
            chooser->list()->setCurrentRow(1);
            chooser->accept();
            return int(QDialog::Accepted);
        };
        first.frame->Mnu_OutImp_Click(1);
        QCOMPARE(ProfileFile::readOne(Settings::filePath(dir.path()), QStringLiteral("SCANNER"), QStringLiteral("Source")),
                 QStringLiteral("test:1"));
        first.prompts.queueMessage(Msg::Yes);
        QVERIFY(first.frame->close());
    }
    // The next run starts from that source, and the settings written on
    // quitting kept it.
    FrameFixture second(dir.path());
    QVERIFY(second.start());
    int selected = -1;
    second.dialogs.onModal = [&selected](QDialog &dialog) {
        if (auto *chooser = qobject_cast<SourceDialog *>(&dialog))
            selected = chooser->list()->currentRow();
        return int(QDialog::Rejected);
    };
    second.frame->Mnu_OutImp_Click(1);
    QCOMPARE(selected, 1);
}

QTEST_MAIN(tst_scan)
#include "tst_scan.moc"

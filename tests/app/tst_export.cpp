// The card leaving the program as a picture (export, outside editor,
// clipboard), the "Palette 2D" effects, and a card's background coming
// only from its own description.
#include "AppTestFrame.h"

#include "document/CardRenderer.h"
#include "document/frmProjet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QPainter>

#include <sys/stat.h>

using TestSupport::pixel;

namespace {

const OleColor Red = Colors::rgb(255, 0, 0);

// A shown frame with one new card whose label 1 is red and logo 1 hidden.
struct Card : FrameFixture {
    Card()
    {
        QVERIFY(start());
        card = frame->newCard();
        CardLabel &label = *card->Label(1);
        label.ForeColor = Red;
        label.setFontSize(14);
        card->Logo(1)->Visible = false;
        card->updateCard();
    }
    // Bits per pixel of a BMP file's header.
    static int bmpDepth(const QByteArray &bytes) { return bytes.size() > 29 ? quint8(bytes[28]) : 0; }
    QImage flattened() const { return CardRenderer::flatten(card->doc(), 15, card->palette()); }
    frmProjet *card = nullptr;
};

bool hasRed(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixel(image, x, y) == Red)
                return true;
    return false;
}

} // namespace

class tst_export : public QObject {
    Q_OBJECT
private slots:
    void exportAsBitmap();
    void outsideEditorAndClipboard();
    void effectsUntilTheNextRepaint();
    void backgroundOnlyFromTheCardsDescription();
};

void tst_export::exportAsBitmap()
{
    Card c;
    // Cancelled: nothing is written, nothing said, the card repainted.
    c.prompts.queueCancel();
    c.frame->Mnu_OutOutils_Click(6);
    const CommonDialog &d = c.prompts.dialogs.back().snapshot;
    QCOMPARE(c.prompts.dialogs.back().kind, Prompts::DialogKind::Save);
    QCOMPARE(d.DialogTitle, QStringLiteral("Exporter le projet sous..."));
    QCOMPARE(d.Filter, QStringLiteral("Format Bitmap (*.bmp)|*.bmp|"));
    QCOMPARE(d.FilterIndex, 1);
    QCOMPARE(d.InitDir, QStringLiteral(".."));
    QVERIFY(d.CancelError);
    // The card's name is proposed as a picture file.
    QCOMPARE(d.FileName, QStringLiteral("Projet1.bmp"));
    QVERIFY(c.prompts.messages.empty());

    // The proposed name and a name typed without extension, used as typed:
    // 24-bit bitmaps of the flattened card.
    const QString named = c.dir.filePath(QStringLiteral("Projet1.bmp"));
    const QString typed = c.dir.filePath(QStringLiteral("carte"));
    for (const QString &path : {named, typed}) {
        c.prompts.queueFile(path);
        c.frame->Mnu_OutOutils_Click(6);
        const QByteArray bytes = TestSupport::readBytes(path);
        QVERIFY2(bytes.startsWith("BM"), qPrintable(path));
        QCOMPARE(Card::bmpDepth(bytes), 24);
        const QImage image = QImage::fromData(bytes, "BMP");
        QCOMPARE(image.size(), QSize(318, 204));
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32), c.flattened().convertToFormat(QImage::Format_RGB32));
        QVERIFY(hasRed(image));
    }
    QVERIFY(!QFile::exists(typed + QStringLiteral(".bmp")));

    // A folder that cannot hold it: said, nothing replaced.
    const QString blocked = named + QStringLiteral("/carte.bmp");
    c.prompts.queueFile(blocked);
    c.frame->Mnu_OutOutils_Click(6);
    QCOMPARE(c.prompts.messages.back().text, QStringLiteral("L'image n'a pas pu être enregistrée.\r\n"
                                                            "Vérifiez que le dossier existe et que vous pouvez y écrire : ")
                                                 + blocked);
    QCOMPARE(c.prompts.messages.back().style, int(Msg::Exclamation));
    QVERIFY(TestSupport::readBytes(named).startsWith("BM"));
}

void tst_export::outsideEditorAndClipboard()
{
    Card c;
    // The outside editor gets the flattened card as Tempo.bmp, opened by
    // the desktop's default program.
    c.frame->Mnu_OutOutils_Click(7);
    const QString tempo = c.dir.filePath(QStringLiteral("Tempo.bmp"));
    QCOMPARE(c.shell.opened, QStringList{tempo});
    QCOMPARE(Card::bmpDepth(TestSupport::readBytes(tempo)), 24);
    QVERIFY(hasRed(QImage(tempo)));

    // The clipboard gets it as a picture, and the user is told.
    c.frame->Mnu_OutOutils_Click(8);
    QCOMPARE(c.clipboard.imageValue, c.flattened());
    QCOMPARE(c.prompts.messages.back().text, QStringLiteral("Le projet est disponible dans le presse-papier."));
    QCOMPARE(c.prompts.messages.back().style, int(Msg::Information));
    QCOMPARE(c.texts().size(), 1);
}

void tst_export::effectsUntilTheNextRepaint()
{
    Card c;
    const QImage painted = c.card->Picture1().image().copy();
    const auto at = [&c](int x, int y) { return pixel(c.card->Picture1().image(), x, y); };
    // Darker by 10, then two clicks brighten twice: white comes back to
    // white, the grey edge line (224) ends 10 lighter, in every corner of
    // the card.
    c.frame->Mnu_OutPal_Click(3);
    QCOMPARE(at(100, 100), Colors::rgb(245, 245, 245));
    c.frame->Mnu_OutPal_Click(2);
    c.frame->Palette_Click(2);
    QCOMPARE(at(100, 100), Colors::rgb(255, 255, 255));
    QCOMPARE(at(317, 203), Colors::rgb(234, 234, 234));
    QCOMPARE(at(0, 0), Colors::rgb(234, 234, 234));
    c.frame->Mnu_OutPal_Click(7);
    QCOMPARE(at(100, 100), Colors::rgb(0, 0, 0));
    QCOMPARE(int(c.card->doc().Effects.size()), 4);

    // The clipboard shows the effects under the label; the card then
    // comes back as painted, effects gone.
    c.frame->Mnu_OutOutils_Click(8);
    const QImage copied = c.clipboard.imageValue;
    QCOMPARE(pixel(copied, 100, 100), Colors::rgb(0, 0, 0));
    QVERIFY(hasRed(copied));
    QCOMPARE(c.card->Picture1().image(), painted);
    QVERIFY(c.card->doc().Effects.empty());

    // "Réinitialiser le fond" removes them in one step; effects are never
    // saved.
    for (int index : {5, 6, 9, 11, 12})
        c.frame->Palette_Click(index);
    QVERIFY(c.card->Picture1().image() != painted);
    const QString path = c.dir.filePath(QStringLiteral("Projets/effets.prj"));
    QVERIFY(c.card->Projet_Sauver(path));
    QVERIFY(!TestSupport::readBytes(path).contains("Effet"));
    c.frame->Mnu_OutPal_Click(0);
    QCOMPARE(c.card->Picture1().image(), painted);

    // Without a card the effects do nothing; only "Réinitialiser le fond"
    // says there is none.
    FrameFixture none;
    QVERIFY(none.start());
    for (int index = 1; index <= 12; ++index)
        none.frame->Mnu_OutPal_Click(index);
    QVERIFY(none.prompts.messages.empty());
    none.frame->Mnu_OutPal_Click(0);
    QCOMPARE(none.texts(), QStringList{QStringLiteral("Aucun projet en cours d'utilisation.")});
}

void tst_export::backgroundOnlyFromTheCardsDescription()
{
    Card c;
    // A card with a gradient's colours that now has a picture background.
    QImage blue(8, 4, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const QString picture = c.dir.filePath(QStringLiteral("fond.png"));
    QVERIFY(blue.save(picture));
    c.card->doc().Color1 = Red;
    c.prompts.queueFile(picture);
    c.frame->Mnu_OutOutils_Click(3);
    QCOMPARE(c.card->doc().NumFond, 2);
    // Another card, then back: the picture stays, and so does the file.
    frmProjet *other = c.frame->newCard();
    QCOMPARE(c.frame->activeCard(), other);
    c.frame->mdiArea()->setActiveSubWindow(c.frame->subWindowOf(c.card));
    QCOMPARE(c.frame->activeCard(), c.card);
    QCOMPARE(c.card->doc().NumFond, 2);
    QCOMPARE(pixel(c.card->Picture1().image(), 150, 100), Colors::rgb(0, 0, 255));
    const QString path = c.dir.filePath(QStringLiteral("Projets/fond.prj"));
    QVERIFY(c.card->Projet_Sauver(path));
    const QByteArray saved = TestSupport::readBytes(path);
    QVERIFY(saved.contains("Numero=2"));
    QVERIFY(saved.contains(("Picture=" + picture).toUtf8()));

    // A path naming a pipe, a device or a folder repaints at once, blank.
    const QString fifo = c.dir.filePath(QStringLiteral("tube.png"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {fifo, QStringLiteral("/dev/zero"), c.dir.path()}) {
        c.card->doc().BackgroundPicture = path;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!c.card->Reinitialiser());
        c.frame->Mnu_OutPal_Click(0);
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(pixel(c.card->Picture1().image(), 150, 100), Colors::White);
    }
}

QTEST_MAIN(tst_export)
#include "tst_export.moc"

// The card leaving the program: exported as a bitmap, handed to an outside editor or the clipboard, printed and
// previewed; the "Palette 2D" effects until the next repaint.
#include "AppTestFrame.h"

#include "PdfTools.h"
#include "document/CardRenderer.h"
#include "printing/DigitField.h"
#include "printing/frmPage.h"
#include "printing/frmPrint.h"
#include "widgets/Xp_Bouton.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const OleColor Red = Colors::rgb(255, 0, 0);

// A shown frame with one new card: label 1 red at 14 points, logo 1 hidden.
struct Card : CardFixture {
    Card()
    {
        card->doc().editLabel(1, [](CardLabel &l) { l.ForeColor = Red, l.setFontSize(14); });
        card->doc().setItemVisible({CardItemRef::LogoItem, 1}, false);
    }
    QImage flattened() const
    {
        return CardRenderer::flatten(card->doc().data(), 15, card->palette()).convertToFormat(QImage::Format_RGB32);
    }
    OleColor at(int x, int y) const { return TestSupport::pixel(card->Picture1().image(), x, y); }
};

} // namespace

class tst_export : public QObject {
    Q_OBJECT
private slots:
    void exportEditorAndClipboard();
    void effectsUntilTheNextRepaint();
    void printAndPreview();
};

void tst_export::exportEditorAndClipboard()
{
    Card c;
    // Cancelled: nothing is written, nothing said; the card's name proposed.
    c.prompts.queueCancel();
    c.frame->Mnu_OutOutils_Click(6);
    const CommonDialog &d = c.prompts.dialogs.back().snapshot;
    QCOMPARE(std::tuple(d.DialogTitle, d.Filter, d.InitDir, d.FileName, d.CancelError),
             std::tuple(QString("Exporter le projet sous..."), QString("Format Bitmap (*.bmp)|*.bmp|"),
                        QString(".."), QString("Projet1.bmp"), true));
    QVERIFY(c.prompts.messages.empty());
    // The proposed name, and a name typed without extension used as typed: 24-bit bitmaps of the flattened card.
    const QString named = c.dir.filePath(QString("Projet1.bmp")), typed = c.dir.filePath(QString("carte"));
    for (const QString &path : {named, typed}) {
        c.prompts.queueFile(path);
        c.frame->Mnu_OutOutils_Click(6);
        const QByteArray bytes = TestSupport::readBytes(path);
        QVERIFY2(bytes.startsWith("BM") && quint8(bytes.at(28)) == 24, qPrintable(path));
        QCOMPARE(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32), c.flattened());
    }
    QVERIFY(!c.flattened().allGray() && c.flattened().size() == QSize(318, 204));
    // A folder that cannot hold it: said, nothing replaced.
    const QString blocked = named + QString("/carte.bmp");
    c.prompts.queueFile(blocked);
    c.frame->Mnu_OutOutils_Click(6);
    QCOMPARE(c.texts(), QStringList{QString("L'image n'a pas pu être enregistrée.\r\nVérifiez que le dossier "
                                                   "existe et que vous pouvez y écrire : ") + blocked});
    QVERIFY(TestSupport::readBytes(named).startsWith("BM"));
    // An existing folder (or device, or pipe) is no picture file: refused before anything is written.
    QVERIFY(QDir(c.dir.path()).mkdir(u"dossier.bmp"_s));
    c.prompts.queueFile(c.dir.filePath(u"dossier.bmp"_s));
    c.frame->Mnu_OutOutils_Click(6);
    QCOMPARE(c.texts().last(), u"\"%1\" n'est pas un fichier ordinaire : il ne peut pas être remplacé."_s
                                   .arg(c.dir.filePath(u"dossier.bmp"_s)));
    QVERIFY(QFileInfo(c.dir.filePath(u"dossier.bmp"_s)).isDir());
    // The outside editor gets it as Tempo.bmp, opened by the desktop's default program; the clipboard as a picture.
    c.frame->Mnu_OutOutils_Click(7);
    c.frame->Mnu_OutOutils_Click(8);
    QCOMPARE(c.shell.opened, QStringList{c.dir.filePath(u"Tempo.bmp"_s)});
    QCOMPARE(QImage(c.shell.opened[0]).convertToFormat(QImage::Format_RGB32), c.flattened());
    QCOMPARE(c.clipboard.imageValue.convertToFormat(QImage::Format_RGB32), c.flattened());
    QCOMPARE(c.texts().last(), u"Le projet est disponible dans le presse-papier."_s);
}

void tst_export::effectsUntilTheNextRepaint()
{
    Card c;
    // A new card shows the default background: white, its edge a grey line.
    QCOMPARE(std::pair(c.at(100, 100), c.at(317, 203)), std::pair(Colors::White, Colors::LightGrey));
    c.frame->Mnu_OutPal_Click(0);
    QCOMPARE(std::pair(c.at(100, 100), c.at(317, 203)), std::pair(Colors::White, Colors::LightGrey));
    const QImage painted = c.card->Picture1().image().copy();
    // Darker by 10, then brighter twice (the menu, then the panel's button): white comes back, the grey edge line (224)
    // ends 10 lighter.
    c.frame->Mnu_OutPal_Click(3);
    QCOMPARE(c.at(100, 100), Colors::rgb(245, 245, 245));
    c.frame->Mnu_OutPal_Click(2);
    c.panel().Palette(2)->click();
    QCOMPARE(std::tuple(c.at(100, 100), c.at(317, 203), c.at(0, 0)),
             std::tuple(Colors::rgb(255, 255, 255), Colors::rgb(234, 234, 234), Colors::rgb(234, 234, 234)));
    c.frame->Mnu_OutPal_Click(7);
    QCOMPARE(c.at(100, 100), Colors::rgb(0, 0, 0));
    // The clipboard shows them under the label; the card then comes back as painted.
    c.frame->Mnu_OutOutils_Click(8);
    QVERIFY(TestSupport::pixel(c.clipboard.imageValue, 100, 100) == Colors::Black && !c.clipboard.imageValue.allGray());
    QCOMPARE(c.card->Picture1().image(), painted);
    // "Réinitialiser le fond" removes them in one step.
    for (int index : {5, 6, 9, 11, 12})
        c.panel().Palette(index)->click();
    QCOMPARE(c.card->doc().effects().size(), std::size_t(5));
    c.frame->Mnu_OutPal_Click(0);
    QCOMPARE(c.card->Picture1().image(), painted);
    QVERIFY(c.card->doc().effects().empty());
}

void tst_export::printAndPreview()
{
    if (!PdfTools::available())
        QSKIP("poppler-utils is not installed: run scripts/deps.sh");
    FrameFixture c;
    QVERIFY(c.start());
    frmProjet *card = c.frame->newCard();
    card->doc().editLabel(1, [](CardLabel &l) { l.setCaption(QString("Atelier Duval")); });
    card->doc().addEffect(ImageEffect{ImageEffect::Inversion, 255});
    // The window, shown, writes what it holds to a PDF file; 2 sheets are asked for the first time only.
    frmPrint *shown = nullptr;
    int runs = 0;
    const QString pdf = c.dir.filePath(QString("planches.pdf"));
    c.dialogs.onModal = [&](QDialog &dialog) {
        if ((shown = qobject_cast<frmPrint *>(&dialog))) {
            if (runs++ == 0) {
                shown->Text3(0)->setText(QString("2"));
                emit shown->Text3(0)->textEdited(QString("2"));
            }
            QFile::remove(pdf);
            c.prompts.queueFile(pdf);
            for (QPushButton *button : shown->findChildren<QPushButton *>())
                if (button->text() == QString("PDF..."))
                    button->click();
        }
        return int(QDialog::Rejected);
    };
    c.frame->Toolbar1_ButtonClick(5);
    QVERIFY(shown && shown->parentWidget() == c.frame.get());
    // Its name and text as they stood, effects with it (the white card inverted prints black); the card window painted
    // itself again.
    QCOMPARE(c.prompts.dialogs.back().snapshot.FileName, card->Caption() + QString(".pdf"));
    QVERIFY(PdfTools::text(pdf).contains(QString("Atelier Duval")) && PdfTools::pageCount(pdf) == 2);
    const int grey = qGray(PdfTools::render(pdf, 1, 30).scaled(1, 1, Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation).pixel(0, 0));
    QVERIFY2(grey < 240 && card->doc().effects().empty(), qPrintable(QString::number(grey)));
    // The same window, its settings kept, for the next print.
    frmPrint *first = shown;
    card->doc().editLabel(1, [](CardLabel &l) { l.setCaption(QString("Autre texte")); });
    c.frame->Mnu_Outfich_Click(11);
    QVERIFY(shown == first && &c.frame->printWindow() == first);
    QVERIFY(PdfTools::text(pdf).contains(QString("Autre texte")) && PdfTools::pageCount(pdf) == 2);
    // File 10 shows the preview alone, without "Configurer" and "Imprimer".
    c.answer<frmPage>([&c](frmPage &page) {
        QCOMPARE(page.windowTitle(), u"Aperçu avant impression - [Projet1]"_s);
        QVERIFY(!page.Bouton(0)->isEnabled() && !page.Bouton(1)->isEnabled() && c.frame->isVisible());
    });
    c.frame->Mnu_Outfich_Click(10);
    QCOMPARE(c.dialogs.modalDialogs, QStringList({"frmPrint", "frmPrint", "frmPage"}));
}

QTEST_MAIN(tst_export)
#include "tst_export.moc"

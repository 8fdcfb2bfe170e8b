// The frame's print commands: File 11 "Imprimer..." (also Ctrl+P and the
// toolbar's "Imprimer") flattens the active card into the print window and
// shows it; the window and its settings last while the program runs.
#include "AppTestFrame.h"

#include "document/frmProjet.h"
#include "printing/DigitField.h"
#include "printing/frmPage.h"
#include "printing/frmPrint.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

class tst_printwindow : public QObject {
    Q_OBJECT
private slots:
    void printCommandShowsTheCard();
    void previewCommand();
};

void tst_printwindow::printCommandShowsTheCard()
{
    FrameFixture f;
    QVERIFY(f.start());
    QCOMPARE(f.frame->menuAction(QStringLiteral("Mnu_Outfich"), 11)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

    // Without a card nothing opens.
    f.frame->Mnu_Outfich_Click(11);
    QVERIFY(f.dialogs.modalDialogs.isEmpty());

    frmProjet *card = f.frame->newCard();
    card->doc().Label(1)->setCaption(QStringLiteral("Atelier Duval"));
    card->applyEffect(ImageEffect{ImageEffect::Inversion, 255});
    QVERIFY(!card->doc().Effects.empty());

    frmPrint *shown = nullptr;
    QString caption;
    bool effectsKept = false;
    f.dialogs.onModal = [&](QDialog &dialog) {
        shown = qobject_cast<frmPrint *>(&dialog);
        if (shown) {
            caption = shown->card().Label(1)->Caption();
            effectsKept = !shown->card().Effects.empty();
            shown->Text3(0)->setText(QStringLiteral("3"));
            emit shown->Text3(0)->textEdited(QStringLiteral("3"));
        }
        return int(QDialog::Rejected);
    };
    f.frame->Toolbar1_ButtonClick(5);
    QCOMPARE(f.dialogs.modalDialogs, QStringList({QStringLiteral("frmPrint")}));
    QVERIFY(shown);
    QCOMPARE(shown->parentWidget(), f.frame.get());
    QCOMPARE(caption, QStringLiteral("Atelier Duval"));
    // The card was kept as it stood, its effects with it; the card window
    // drew itself again from its description.
    QVERIFY(effectsKept);
    QVERIFY(card->doc().Effects.empty());

    // The same window, its settings kept, for the next card.
    frmPrint *first = shown;
    card->doc().Label(1)->setCaption(QStringLiteral("Autre texte"));
    f.frame->Mnu_Outfich_Click(11);
    QCOMPARE(shown, first);
    QCOMPARE(&f.frame->printWindow(), first);
    QCOMPARE(caption, QStringLiteral("Autre texte"));
    QCOMPARE(shown->Text3(0)->text(), QStringLiteral("3"));
}

void tst_printwindow::previewCommand()
{
    FrameFixture f;
    QVERIFY(f.start());
    f.frame->newCard()->setWindowTitle(QStringLiteral("Carte Duval"));
    QString caption;
    bool printButtons = true;
    f.dialogs.onModal = [&](QDialog &dialog) {
        if (auto *page = qobject_cast<frmPage *>(&dialog)) {
            caption = page->windowTitle();
            printButtons = page->Bouton(0)->isEnabled() || page->Bouton(1)->isEnabled();
        }
        return int(QDialog::Rejected);
    };
    // File 10 shows the preview alone, without "Configurer" and "Imprimer".
    f.frame->Mnu_Outfich_Click(10);
    QCOMPARE(f.dialogs.modalDialogs, QStringList({QStringLiteral("frmPage")}));
    QCOMPARE(caption, QStringLiteral("Aperçu avant impression - [Carte Duval]"));
    QVERIFY(!printButtons);
}

QTEST_MAIN(tst_printwindow)
#include "tst_printwindow.moc"

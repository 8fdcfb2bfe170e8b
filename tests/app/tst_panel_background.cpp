// The tool panel's background and effect pages: the gradient swatches
// through the colour dialog and the shared painter, "Rétablir le dégradé",
// "Annuler le dégradé" on cards with and without a background picture, and
// the effect buttons.
#include "PanelTestCard.h"

#include "imaging/ColorGradient.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

struct Card : PanelTestCard {
    OleColor at(double xTwips, double yTwips) const { return card->Picture1().point(xTwips, yTwips); }
    OleColor middle() const { return at(card->Picture1().width() / 2, card->Picture1().height() / 2); }
    OleColor lastPixel() const
    {
        const QImage &image = card->Picture1().image();
        return TestSupport::pixel(image, image.width() - 1, image.height() - 1);
    }
};

constexpr OleColor Green = 0x00FF00;
constexpr OleColor Blue = 0xFF0000;

} // namespace

class tst_panel_background : public QObject {
    Q_OBJECT
private slots:
    void swatchesPaintTheGradient();
    void cancelledColourDialogChangesNothing();
    void restoreGradient();
    void undoGradientWithAndWithoutPicture();
    void effectButtonsRunTheirMenuCommand();
};

void tst_panel_background::swatchesPaintTheGradient()
{
    Card c;
    c.frame().Option_Click(0);
    QCOMPARE(c.middle(), Colors::White);
    int shown = 0;
    for (int index : {0, 5, 10}) {
        c.f.prompts.queueColor(Green);
        c.frame().Color_Click(index);
        const auto &call = c.f.prompts.dialogs.at(std::size_t(shown++));
        QCOMPARE(call.kind, Prompts::DialogKind::Color);
        QCOMPARE(call.snapshot.Flags, 3);
        QVERIFY(call.snapshot.CancelError);
        // The dialog starts from the swatch's colour.
        QCOMPARE(call.snapshot.Color, Colors::White);
        QCOMPARE(ColorGradient::shared().GetColor(index), Green);
        QCOMPARE(c.frame().swatchColor(index), Green);
        QCOMPARE(c.card->NumFond, 1);
        QCOMPARE(c.card->NumOption, 0);
    }
    // The card was repainted from the three swatches.
    QCOMPARE(c.middle(), Green);
    QCOMPARE(c.card->Color1, Green);
    QCOMPARE(c.card->Color3, Green);

    // The next dialog starts from the swatch's new colour.
    c.f.prompts.queueColor(Blue);
    c.frame().Color_Click(5);
    QCOMPARE(c.f.prompts.dialogs.back().snapshot.Color, Green);
    QCOMPARE(c.card->Color2, Blue);
    QVERIFY(c.middle() != Green);
}

void tst_panel_background::cancelledColourDialogChangesNothing()
{
    Card c;
    c.frame().Option_Click(8);
    const QImage before = c.card->Picture1().image().copy();
    const OleColor stop = ColorGradient::shared().GetColor(10);
    c.f.prompts.queueCancel();
    c.frame().Color_Click(10);
    QCOMPARE(int(c.f.prompts.dialogs.size()), 1);
    QCOMPARE(c.frame().swatchColor(10), Colors::White);
    QCOMPARE(ColorGradient::shared().GetColor(10), stop);
    QCOMPARE(c.card->Picture1().image(), before);
}

void tst_panel_background::restoreGradient()
{
    Card c;
    // No orientation chosen yet: nothing to restore.
    c.frame().Bouton(7)->click();
    QCOMPARE(c.card->NumFond, 0);
    c.frame().Option_Click(3);
    c.frame().Bouton(6)->click();
    QCOMPARE(c.card->NumFond, 0);
    c.frame().Bouton(7)->click();
    QCOMPARE(c.card->NumFond, 1);
    QCOMPARE(c.card->NumOption, 3);
}

void tst_panel_background::undoGradientWithAndWithoutPicture()
{
    Card c;
    c.frame().Option_Click(2);
    for (int index : {0, 5, 10}) {
        c.f.prompts.queueColor(Green);
        c.frame().Color_Click(index);
    }
    QCOMPARE(c.middle(), Green);
    // Without a background picture: the default background.
    c.frame().Bouton(8)->click();
    QCOMPARE(c.card->NumFond, 0);
    QCOMPARE(c.middle(), Colors::White);
    QCOMPARE(c.lastPixel(), Colors::LightGrey);

    // With one: the picture stretched over the whole card, no edge line.
    const QString path = c.f.dir.filePath(QStringLiteral("fond.png"));
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    QVERIFY(picture.save(path));
    c.f.prompts.queueFile(path);
    c.frame().Bouton(5)->click();
    QCOMPARE(c.card->NumFond, 2);
    c.frame().Option_Click(2);
    QCOMPARE(c.middle(), Green);
    c.frame().Bouton(8)->click();
    QCOMPARE(c.card->NumFond, 2);
    QCOMPARE(c.at(0, 0), Blue);
    QCOMPARE(c.middle(), Blue);
    QCOMPARE(c.lastPixel(), Blue);
    QCOMPARE(c.card->PictS().pixelWidth(), 0);

    // A picture that can no longer be read: the default background.
    c.frame().Option_Click(2);
    QVERIFY(QFile::remove(path));
    c.frame().Bouton(8)->click();
    QCOMPARE(c.card->NumFond, 0);
    QCOMPARE(c.middle(), Colors::White);
}

void tst_panel_background::effectButtonsRunTheirMenuCommand()
{
    Card c;
    for (int index : {0, 2, 3, 5, 6, 7, 9, 11, 12}) {
        c.f.takeCommands();
        c.frame().Palette(index)->click();
        const auto calls = c.f.takeCommands();
        QVERIFY(calls.size() >= 2);
        QCOMPARE(calls.at(1), (std::pair<QString, int>(QStringLiteral("Mnu_OutPal_Click"), index)));
    }
}

QTEST_MAIN(tst_panel_background)
#include "tst_panel_background.moc"

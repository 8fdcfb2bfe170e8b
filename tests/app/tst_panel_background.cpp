// The tool panel's background page: the gradient swatches through the
// colour dialog and the shared painter, "Rétablir le dégradé", and
// "Annuler le dégradé" on cards with and without a background picture.
#include "PanelTestCard.h"

#include "imaging/ColorGradient.h"

#include <QFile>
#include <QPushButton>

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
    void restoreAndUndoGradient();
};

void tst_panel_background::swatchesPaintTheGradient()
{
    Card c;
    c.frame().Option_Click(0);
    QCOMPARE(c.middle(), Colors::White);
    for (int index : {0, 5, 10}) {
        c.f.prompts.queueColor(Green);
        c.frame().Color_Click(index);
        const auto &call = c.f.prompts.dialogs.back();
        QCOMPARE(call.kind, Prompts::DialogKind::Color);
        QCOMPARE(call.snapshot.Flags, 3);
        QVERIFY(call.snapshot.CancelError);
        QCOMPARE(call.snapshot.Color, Colors::White); // the swatch's colour
        QCOMPARE(ColorGradient::shared().GetColor(index), Green);
        QCOMPARE(c.frame().swatchColor(index), Green);
    }
    // The card was repainted from the swatches, in the orientation kept.
    QCOMPARE(c.middle(), Green);
    QCOMPARE(c.card->Color3, Green);
    QCOMPARE(c.card->NumOption, 0);

    // A cancelled dialog changes nothing.
    const QImage before = c.card->Picture1().image().copy();
    c.f.prompts.queueCancel();
    c.frame().Color_Click(10);
    QCOMPARE(c.f.prompts.dialogs.size(), std::size_t(4));
    QCOMPARE(c.frame().swatchColor(10), Green);
    QCOMPARE(ColorGradient::shared().GetColor(10), Green);
    QCOMPARE(c.card->Picture1().image(), before);
}

void tst_panel_background::restoreAndUndoGradient()
{
    Card c;
    // "Rétablir le dégradé": nothing before an orientation was chosen.
    c.frame().Bouton(7)->click();
    QCOMPARE(c.card->NumFond, 0);
    c.frame().Option_Click(3);
    c.frame().Bouton(6)->click();
    QCOMPARE(c.card->NumFond, 0);
    c.frame().Bouton(7)->click();
    QCOMPARE(c.card->NumFond, 1);
    QCOMPARE(c.card->NumOption, 3);

    // "Annuler le dégradé" without a background picture: the default one.
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
    c.frame().Option_Click(2);
    QCOMPARE(c.card->NumFond, 1);
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

QTEST_MAIN(tst_panel_background)
#include "tst_panel_background.moc"

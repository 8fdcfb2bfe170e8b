// A card's history: every kind of change undone gives back the card it
// started from byte for byte, and redone the card it made; merged steps,
// steps that change nothing, and what a step keeps.
#include "document/CardChange.h"
#include "document/CardDocument.h"
#include "document/CardProject.h"

#include <QTest>
#include <QUndoStack>

#include <functional>

namespace {

const CardItemRef Label1{CardItemRef::LabelItem, 1};
const CardItemRef Logo1{CardItemRef::LogoItem, 1};

// What a card is, as its file writes it, with what the file leaves out
// (the effects, and the items' stacking).
QString state(const CardDocument &doc)
{
    QString text = ProjectFile::write(CardProject::describe(doc.data())).toText();
    for (const ImageEffect &effect : doc.effects())
        text += QStringLiteral("effect %1 %2\n").arg(effect.kind).arg(effect.amount);
    for (const CardItemRef &item : doc.stackingOrder())
        text += QStringLiteral("stack %1 %2\n").arg(item.kind).arg(item.index);
    return text;
}

QImage picture(QRgb colour)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A card with two labels, two logos with files, a gradient and an effect.
void fill(CardDocument &doc)
{
    CardData card(picture(qRgb(0, 0, 255)));
    card.createLabel(2)->Visible = true;
    card.Label(2)->setCaption(QStringLiteral("Deux"));
    card.createLogo(2)->Visible = true;
    card.Logo(1)->picturePath = QStringLiteral("/un.png");
    card.Logo(2)->picturePath = QStringLiteral("/deux.png");
    card.setBackground({1, 255, 65280, 16711680, 3, QString()});
    card.Effects = {{ImageEffect::Greyscale, 0}};
    doc.assign(card);
}

using Edit = std::function<void(CardDocument &)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class tst_CardChange : public QObject {
    Q_OBJECT
private slots:
    void everyKindUndoneAndRedone_data();
    void everyKindUndoneAndRedone();
    void stepsMergeAndNothingIsNoStep();
};

void tst_CardChange::everyKindUndoneAndRedone_data()
{
    QTest::addColumn<Edit>("edit");
    const auto row = [](const char *name, Edit edit) { QTest::newRow(name) << edit; };
    row("move", [](CardDocument &d) { d.moveItem(Logo1, QPointF(700, 80)); });
    row("resize a logo", [](CardDocument &d) { d.editLogo(1, [](CardLogo &l) { l.setStretch(true), l.setSize(900, 450); }); });
    row("text", [](CardDocument &d) { d.editLabel(1, [](CardLabel &l) { l.setCaption(QStringLiteral("Jeanne Martin")); }); });
    row("font and size", [](CardDocument &d) {
        d.editLabel(2, [](CardLabel &l) { l.setFontName(QStringLiteral("DejaVu Serif")), l.setFontSize(14); });
    });
    row("style", [](CardDocument &d) { d.editLabel(1, [](CardLabel &l) { l.setFontBold(true), l.setFontUnderline(true); }); });
    row("colour", [](CardDocument &d) { d.editLabel(1, [](CardLabel &l) { l.ForeColor = 12345; }); });
    row("alignment", [](CardDocument &d) { d.editLabel(1, [](CardLabel &l) { l.setAlignment(CardLabel::AlignRight); }); });
    row("add a label", [](CardDocument &d) {
        d.createLabel(3);
        d.editLabel(3, [](CardLabel &l) { l.Visible = true, l.Left = 120; });
        d.bringToFront({CardItemRef::LabelItem, 3});
    });
    row("delete", [](CardDocument &d) { d.setItemVisible({CardItemRef::LogoItem, 2}, false); });
    row("stacking", [](CardDocument &d) { d.sendToBack(Label1), d.bringToFront(Logo1); });
    row("gradient", [](CardDocument &d) {
        CardBackground b = d.background();
        b.Color2 = 0, b.NumOption = 8;
        d.setBackground(b);
    });
    row("picture background", [](CardDocument &d) {
        CardBackground b = d.background();
        b.NumFond = 2, b.picture = QStringLiteral("/fond.png");
        d.setBackground(b);
    });
    row("default background", [](CardDocument &d) {
        CardBackground b = d.background();
        b.NumFond = 0;
        d.setBackground(b);
    });
    row("logo picture", [](CardDocument &d) {
        d.editLogo(2, [](CardLogo &l) { l.setPicture(picture(qRgb(255, 0, 0))), l.picturePath = QStringLiteral("/r.png"); });
    });
    row("effect", [](CardDocument &d) { d.addEffect({ImageEffect::Inversion, 255}); });
    row("reset background", [](CardDocument &d) { d.clearEffects(); });
    row("size", [](CardDocument &d) { d.setSize(3000, 2000); });
}

void tst_CardChange::everyKindUndoneAndRedone()
{
    QFETCH(Edit, edit);
    CardDocument doc;
    fill(doc);
    QUndoStack history;
    const QString before = state(doc);
    const CardData snapshot = doc.data();
    edit(doc);
    const QString after = state(doc);
    QVERIFY(after != before);
    std::unique_ptr<CardChange> change = CardChange::between(doc, snapshot, QStringLiteral("pas"));
    QVERIFY(change);
    history.push(change.release());
    QCOMPARE(state(doc), after); // taking the step changes nothing more
    for (int round = 0; round < 2; ++round) {
        history.undo();
        QCOMPARE(state(doc), before);
        history.redo();
        QCOMPARE(state(doc), after);
    }
}

void tst_CardChange::stepsMergeAndNothingIsNoStep()
{
    CardDocument doc;
    fill(doc);
    QUndoStack history;
    const auto record = [&](const QString &key, const std::function<void()> &edit) {
        const CardData before = doc.data();
        edit();
        if (std::unique_ptr<CardChange> change = CardChange::between(doc, before, QStringLiteral("pas"), key))
            history.push(change.release());
    };
    // Nothing changed: no step.
    record({}, [] {});
    record({}, [&] { doc.moveItem(Label1, doc.itemRect(Label1)->topLeft()); });
    QCOMPARE(history.count(), 0);
    // Typing in one box is one step; another key starts another.
    for (const char *text : {"J", "Je", "Jea"})
        record(QStringLiteral("texte 1"), [&] { doc.editLabel(1, [&](CardLabel &l) { l.setCaption(QString::fromLatin1(text)); }); });
    record(QStringLiteral("texte 2"), [&] { doc.editLabel(2, [](CardLabel &l) { l.setCaption(QStringLiteral("B")); }); });
    QCOMPARE(history.count(), 2);
    history.undo();
    history.undo();
    QCOMPARE(doc.Label(1)->Caption(), QStringLiteral("ZONE DE TEXTE"));
    // Typed, then taken back by typing: the merged step is no step.
    history.clear();
    record(QStringLiteral("texte 1"), [&] { doc.editLabel(1, [](CardLabel &l) { l.setCaption(QStringLiteral("x")); }); });
    record(QStringLiteral("texte 1"), [&] { doc.editLabel(1, [](CardLabel &l) { l.setCaption(QStringLiteral("ZONE DE TEXTE")); }); });
    QCOMPARE(history.count(), 0);
}

QTEST_MAIN(tst_CardChange)
#include "tst_cardchange.moc"

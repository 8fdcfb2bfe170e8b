// The card model: labels sizing themselves to their text, creating items,
// stacking and hitting them, and the document telling its observers about
// every change and about nothing else.
#include "document/CardDocument.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

const CardItemRef Label1{CardItemRef::LabelItem, 1};
const CardItemRef Logo1{CardItemRef::LogoItem, 1};

// Every signal of a document, as "name" or "name kind:index/changes".
class Recorder : public QObject {
public:
    explicit Recorder(CardDocument &doc)
    {
        const auto item = [this](const char *name) {
            return [this, name](CardItemRef ref) { log << QStringLiteral("%1 %2:%3").arg(name).arg(ref.kind).arg(ref.index); };
        };
        connect(&doc, &CardDocument::itemAdded, this, item("added"));
        connect(&doc, &CardDocument::itemRemoved, this, item("removed"));
        connect(&doc, &CardDocument::itemChanged, this, [this](CardItemRef ref, CardDocument::Changes what) {
            log << QStringLiteral("changed %1:%2/%3").arg(ref.kind).arg(ref.index).arg(int(what), 0, 16);
        });
        const auto plain = [this](const char *name) { return [this, name] { log << QString::fromLatin1(name); }; };
        connect(&doc, &CardDocument::stackingChanged, this, plain("stacking"));
        connect(&doc, &CardDocument::backgroundChanged, this, plain("background"));
        connect(&doc, &CardDocument::effectAdded, this, plain("effect"));
        connect(&doc, &CardDocument::sizeChanged, this, plain("size"));
        connect(&doc, &CardDocument::reset, this, plain("reset"));
    }
    QStringList take() { return std::exchange(log, {}); }
    QStringList log;
};

} // namespace

class tst_CardDocument : public QObject {
    Q_OBJECT
private slots:
    void labelSizesItselfToItsText();
    void createdItemsCopyTheFirstAndStackOnTop();
    void stackingOrderDecidesWhatIsHit();
    void everyChangeIsSignalledOnce();
    void unchangedOperationsSayNothing();
};

void tst_CardDocument::labelSizesItselfToItsText()
{
    CardLabel label;
    label.setCaption(QStringLiteral("M"));
    const float one = label.Width(), line = label.Height();
    label.setCaption(QStringLiteral("MMMM"));
    QVERIFY(one > 0 && std::abs(label.Width() - 4 * one) <= 15);
    const float four = label.Width();
    // CR LF, LF and a lone CR break lines; the widest line gives the width.
    for (const QString &text : {QStringLiteral("MMMM\r\nM"), QStringLiteral("M\nMMMM"), QStringLiteral("M\rMMMM")}) {
        label.setCaption(text);
        QCOMPARE(QSizeF(label.Width(), label.Height()), QSizeF(four, 2 * line));
    }
    label.setCaption(QString());
    QCOMPARE(QSizeF(label.Width(), label.Height()), QSizeF(0, line));
    // Auto-size off keeps the size; on again, it fits the text.
    label.setAutoSize(false);
    label.setSize(10, 400);
    label.setCaption(QStringLiteral("MMMM"));
    QCOMPARE(label.Width(), 10.0f);
    label.setAutoSize(true);
    QCOMPARE(label.Width(), four);
    // Measured at 96 dpi whatever the screen: 8.25 points are 11 pixels,
    // so a line of the default font is one 11-pixel line of it high.
    QFont pixels(QStringLiteral("Arial"));
    pixels.setPixelSize(11);
    QCOMPARE(line, float(QFontMetricsF(pixels).lineSpacing() * 15));
    // A centred label keeps its centre, a right-aligned one its right edge.
    label.setFontSize(8.25f);
    label.setCaption(QStringLiteral("MM"));
    label.Left = 1000;
    for (const auto alignment : {CardLabel::AlignCentre, CardLabel::AlignRight}) {
        label.setAlignment(alignment);
        const float anchor = alignment == CardLabel::AlignCentre ? label.Left + label.Width() / 2 : label.Left + label.Width();
        label.setCaption(QStringLiteral("MMMMMMMM"));
        QCOMPARE(alignment == CardLabel::AlignCentre ? label.Left + label.Width() / 2 : label.Left + label.Width(), anchor);
        label.setCaption(QStringLiteral("MM"));
    }
    label.setAlignment(CardLabel::AlignLeft);
    // Absurd font sizes measure sanely.
    for (float size : {0.0f, -4.0f, std::nanf(""), 1.0e9f}) {
        label.setFontSize(size);
        QVERIFY(std::isfinite(label.Width()) && label.Height() > 0 && label.Height() < 1.0e6f);
    }
}

void tst_CardDocument::createdItemsCopyTheFirstAndStackOnTop()
{
    CardData card;
    CardLabel &first = *card.Label(1);
    first.setCaption(QStringLiteral("Atelier du Port"));
    first.ForeColor = Colors::rgb(10, 20, 30);
    first.Left = 900;
    // Only the next index can be created, up to the highest index allowed.
    QVERIFY(!card.createLabel(3) && !card.createLabel(0) && !card.createLogo(-1));
    const CardLabel *label = card.createLabel(2);
    QVERIFY(label && !label->Visible);
    QCOMPARE(card.createLabel(2), label);
    QCOMPARE(QStringList({label->Caption(), label->FontName()}), QStringList({"Atelier du Port", "Arial"}));
    QCOMPARE(label->ForeColor, Colors::rgb(10, 20, 30));
    QCOMPARE(QPointF(label->Left, label->Top), QPointF(900, 120));
    QCOMPARE(card.stackingOrder(), (std::vector<CardItemRef>{Logo1, Label1, {CardItemRef::LabelItem, 2}}));
    for (int i = 3; i <= CardData::MaxItemIndex; ++i)
        QVERIFY(card.createLogo(i - 1));
    QVERIFY(card.createLogo(CardData::MaxItemIndex) && !card.createLogo(CardData::MaxItemIndex + 1));
}

void tst_CardDocument::stackingOrderDecidesWhatIsHit()
{
    CardDocument doc(QImage(40, 40, QImage::Format_RGB32));
    doc.moveItem(Logo1, QPointF(120, 0)); // under label 1, at (120, 120)
    using Hit = std::optional<CardItemRef>;
    QCOMPARE(doc.itemAt(QPointF(200, 150)), Hit(Label1)); // a new card: logo 1 below label 1
    QVERIFY(doc.bringToFront(Logo1));
    QCOMPARE(doc.itemAt(QPointF(200, 150)), Hit(Logo1));
    QVERIFY(doc.sendToBack(Logo1));
    doc.setItemVisible(Label1, false); // a hidden item is not hit
    QCOMPARE(doc.itemAt(QPointF(200, 150)), Hit(Logo1));
    QCOMPARE(doc.itemAt(QPointF(5000, 5000)), Hit());
    QVERIFY(!doc.bringToFront(CardItemRef{CardItemRef::LogoItem, 5})); // no such logo
}

void tst_CardDocument::everyChangeIsSignalledOnce()
{
    CardDocument doc;
    Recorder r(doc);
    doc.moveItem(Label1, QPointF(300, 400));
    QCOMPARE(r.take(), QStringList({"changed 0:1/1"}));
    doc.editLabel(1, [](CardLabel &l) { l.setCaption(QStringLiteral("Nom")); });
    QCOMPARE(r.take(), QStringList({"changed 0:1/6"})); // text, and the size it takes
    doc.editLabel(1, [](CardLabel &l) { l.ForeColor = 255; });
    doc.editLabel(1, [](CardLabel &l) { l.setAlignment(CardLabel::AlignRight); });
    QCOMPARE(r.take(), QStringList({"changed 0:1/8", "changed 0:1/8"}));
    doc.editLogo(1, [](CardLogo &l) { l.picturePath = QStringLiteral("/logo.png"); });
    doc.editLogo(1, [](CardLogo &l) { l.setPicture(QImage(30, 15, QImage::Format_RGB32)); });
    QCOMPARE(r.take(), QStringList({"changed 1:1/10", "changed 1:1/12"}));
    // Creating a hidden item stacks it; showing and hiding add and remove.
    QVERIFY(doc.createLabel(2));
    doc.setItemVisible({CardItemRef::LabelItem, 2}, true);
    doc.setItemVisible(Label1, false);
    QCOMPARE(r.take(), QStringList({"stacking", "added 0:2", "removed 0:1"}));
    doc.bringToFront(Label1);
    doc.setSize(1000, 500);
    QCOMPARE(r.take(), QStringList({"stacking", "size"}));
    // A new description forgets the effects: one repaint, not two.
    doc.addEffect({ImageEffect::Greyscale, 0});
    CardBackground background = doc.background();
    background.NumFond = 1;
    background.Color1 = 255;
    doc.setBackground(background);
    QCOMPARE(r.take(), QStringList({"effect", "background"}));
    QVERIFY(doc.effects().empty());
    doc.addEffect({ImageEffect::Inversion, 255});
    QVERIFY(doc.clearEffects());
    QVERIFY(doc.setBackground(background) == false);
    doc.assign(CardData());
    QCOMPARE(r.take(), QStringList({"effect", "background", "reset"}));
    QCOMPARE(doc.labelCount(), 1);
}

void tst_CardDocument::unchangedOperationsSayNothing()
{
    CardDocument doc;
    Recorder r(doc);
    const CardLabel label = *doc.Label(1);
    QVERIFY(!doc.editLabel(1, [](CardLabel &l) { l.setCaption(l.Caption()); }));
    QVERIFY(!doc.moveItem(Label1, QPointF(label.Left, label.Top)));
    QVERIFY(!doc.setItemVisible(Logo1, true));
    QVERIFY(!doc.bringToFront(Label1)); // on top already
    QVERIFY(!doc.sendToBack(Logo1));    // at the bottom already
    QVERIFY(!doc.setSize(doc.width(), doc.height()));
    QVERIFY(!doc.setBackground(doc.background()));
    QVERIFY(!doc.clearEffects());
    QVERIFY(!doc.editLabel(2, [](CardLabel &l) { l.Left = 1; })); // no such label
    QVERIFY(!doc.createLabel(5));
    QCOMPARE(r.take(), QStringList());
    // An item keeps its index whatever state it is given.
    QVERIFY(doc.editLabel(1, [](CardLabel &l) {
        l.index = 9;
        l.Left = 5;
    }));
    QCOMPARE(doc.Label(1)->index, 1);
}

QTEST_MAIN(tst_CardDocument)
#include "tst_carddocument.moc"

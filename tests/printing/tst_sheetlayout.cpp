#include "printing/CutMark.h"
#include "printing/PaperSizes.h"
#include "printing/SheetLayout.h"

#include "platform/Surface.h"

#include "TestSupport.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A "Grand format" card shows as 318 x 204 pixels: 4770 x 3060 twips.
SheetLayout layOut(SheetFields::Grid grid, SheetTarget target, int zoom = 100, QSizeF paper = QSizeF(210, 297),
                   CardSize card = CardSize::fromPixels(318, 204))
{
    return SheetLayout::compute(SheetLayoutInput{grid, std::nullopt, card, target, zoom, paper});
}

// The distinct left (or top) edges of the listed cards, in order.
QList<double> edges(const SheetLayout &layout, bool tops = false)
{
    QList<double> out;
    for (const QRectF &r : layout.cards()) {
        if (!out.contains(tops ? r.y() : r.x()))
            out.append(tops ? r.y() : r.x());
    }
    return out;
}

} // namespace

class TestSheetLayout : public QObject {
    Q_OBJECT

private slots:
    void cardSizeFromPicture();
    void plainFormat_data();
    void plainFormat();
    void stepsRoundHalfToEven();
    void extendedFormat();
    void gridRunningOffTheSheet();
    void fieldValidation_data();
    void fieldValidation();
    void cutMarkOutline();
    void paperList();
    void customAndUnknownPapers();
};

void TestSheetLayout::cardSizeFromPicture()
{
    const CardSize card = CardSize::fromPixels(318, 204);
    QCOMPARE(card.width, 841270);
    QCOMPARE(card.height, 539683);
    // 100 twips = 1.763668... mm.
    QCOMPARE(CardSize::fromTwips(100, 0).width, 17637);
}

void TestSheetLayout::plainFormat_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QList<double>>("xs");
    QTest::addColumn<QList<double>>("ys");
    QTest::addColumn<QSizeF>("size");
    const auto preview = int(SheetTarget::Preview);
    const auto print = int(SheetTarget::Print);
    QTest::newRow("preview") << preview << 100 << QList<double>{10, 94} << QList<double>{15, 69, 123, 177, 231}
                             << QSizeF(84.127, 53.9683);
    QTest::newRow("preview ignores zoom") << preview << 50 << QList<double>{10, 94}
                                          << QList<double>{15, 69, 123, 177, 231} << QSizeF(84.127, 53.9683);
    QTest::newRow("print") << print << 100 << QList<double>{10, 98} << QList<double>{15, 71, 127, 183, 239}
                           << QSizeF(88.127, 55.9683);
    QTest::newRow("print at 50 %") << print << 50 << QList<double>{5, 49}
                                   << QList<double>{7.5, 35.5, 63.5, 91.5, 119.5} << QSizeF(44.0635, 27.98415);
}

void TestSheetLayout::plainFormat()
{
    QFETCH(int, target);
    QFETCH(int, zoom);
    QFETCH(QList<double>, xs);
    QFETCH(QList<double>, ys);
    QFETCH(QSizeF, size);
    // Layout 10.15.0.0.2.5 on A4.
    const SheetLayout layout = layOut({10, 15, 0, 0, 2, 5}, SheetTarget(target), zoom);
    QCOMPARE(layout.cards().size(), 10);
    QCOMPARE(edges(layout), xs);
    QCOMPARE(edges(layout, true), ys);
    QCOMPARE(layout.cards().at(1).topLeft(), QPointF(xs[1], ys[0])); // row by row
    for (const QRectF &r : layout.cards())
        QVERIFY(qAbs(r.width() - size.width()) < 1e-9 && qAbs(r.height() - size.height()) < 1e-9);
    QVERIFY(layout.fits());
}

void TestSheetLayout::stepsRoundHalfToEven()
{
    // Steps of 84.5 mm: from 10, 94.5 goes to 94 and 178.5 to 178; from 11,
    // 95.5 goes to 96 and 180.5 to 180.
    const SheetLayout layout = layOut({10, 11, 0, 1, 3, 3}, SheetTarget::Preview, 100, QSizeF(400, 400),
                                      CardSize{845000, 835000});
    QCOMPARE(edges(layout), (QList<double>{10, 94, 178}));
    QCOMPARE(edges(layout, true), (QList<double>{11, 96, 180}));
}

void TestSheetLayout::extendedFormat()
{
    // The stock's card size and unrounded steps, whatever the card picture,
    // for print and preview alike.
    for (const SheetTarget target : {SheetTarget::Preview, SheetTarget::Print}) {
        const SheetLayout layout = SheetLayout::compute(
            SheetLayoutInput{{13, 12, 12, 1, 2, 5}, SheetFormat::Stock{889, 508}, CardSize::fromPixels(318, 204),
                             target, 100, PaperSizes::sheetSizeMm(PaperSizes::Letter)});
        QCOMPARE(edges(layout), (QList<double>{13, 113.9}));
        QCOMPARE(edges(layout, true), (QList<double>{12, 63.8, 115.6, 167.4, 219.2}));
        for (const QRectF &r : layout.cards())
            QCOMPARE(r.size(), QSizeF(88.9, 50.8));
        QVERIFY(layout.fits());
    }
}

void TestSheetLayout::gridRunningOffTheSheet()
{
    // Columns at 10, 94, 178 and 262 mm on a 210 mm sheet: the third is cut
    // by the edge, the fourth lies wholly beyond it and is not painted.
    const SheetLayout layout = layOut({10, 15, 0, 0, 4, 5}, SheetTarget::Preview);
    QCOMPARE(layout.gridCount(), 20);
    QCOMPARE(edges(layout), (QList<double>{10, 94, 178}));
    QCOMPARE(layout.offSheetCount(), 10);
    QCOMPARE(layout.overflowText(), u"Attention : 10 cartes sur 20 dépassent de la feuille : seule la partie qui "
                                    "tient sur la feuille est imprimée."_s);
    // Zooming in pushes a grid that fits off the sheet.
    const SheetLayout zoomed = layOut({10, 15, 0, 0, 1, 1}, SheetTarget::Print, 300);
    QVERIFY(zoomed.overflowText().startsWith(u"Attention : 1 carte sur 1 dépasse de la feuille"_s));
}

void TestSheetLayout::fieldValidation_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("error");
    const QString range = u"Le champ \"%1\" doit contenir un nombre entier de %2 à 32767."_s;
    QTest::newRow("valid, blanks around") << u"10| 15|0|0|2|5 "_s << QString();
    QTest::newRow("empty X") << u"|15|0|0|2|5"_s << range.arg(u"Abcisse X"_s).arg(0);
    QTest::newRow("decimal gap") << u"10|15|1,5|0|2|5"_s << range.arg(u"Séparateur horizontal"_s).arg(0);
    QTest::newRow("no column") << u"10|15|0|0|0|5"_s << range.arg(u"Nombre horizontal sur une planche"_s).arg(1);
    QTest::newRow("too many cards") << u"10|15|0|0|200|200"_s
                                    << u"Le nombre d'étiquettes par planche (200 x 200) ne peut pas dépasser 32767."_s;
}

void TestSheetLayout::fieldValidation()
{
    QFETCH(QString, fields);
    QFETCH(QString, error);
    const QStringList list = fields.split(u'|');
    SheetFields::Texts texts;
    std::copy(list.cbegin(), list.cend(), texts.begin());
    QString message;
    const std::optional<SheetFields::Grid> grid = SheetFields::readGrid(texts, &message);
    QCOMPARE(message, error);
    QCOMPARE(grid.has_value(), error.isEmpty());
    QVERIFY(!grid || (grid->y == 15 && grid->down == 5));
}

void TestSheetLayout::cutMarkOutline()
{
    Surface card(4770, 3060);
    card.cls();
    // A solid fill style left by an earlier drawing must not fill the card.
    card.setFillStyle(PaintTarget::Solid);
    CutMark::draw(card, false);
    const OleColor grey = Colors::rgb(224, 224, 224);
    QCOMPARE(TestSupport::pixel(card.image(), 0, 0), grey);
    QCOMPARE(TestSupport::pixel(card.image(), 317, 203), grey);
    QCOMPARE(TestSupport::pixel(card.image(), 160, 100), Colors::White);
    // Without marks a white outline covers the grey one.
    CutMark::draw(card, true);
    QCOMPARE(TestSupport::pixel(card.image(), 317, 100), Colors::White);
}

void TestSheetLayout::paperList()
{
    const QStringList &texts = PaperSizes::itemTexts();
    QCOMPARE(texts.size(), 41);
    QCOMPARE(PaperSizes::itemText(PaperSizes::DefaultCode), u"Format A4 (210 x 297 mm)"_s);
    QCOMPARE(PaperSizes::itemText(3), u"Tabloïd US (279 x 431 mm) "_s);
    QCOMPARE(std::count_if(texts.cbegin(), texts.cend(), [](const QString &t) { return t.endsWith(u' '); }), 25);

    // Each item gets the paper it names, within the 6 mm its rounded or cut
    // millimetres allow ("Enveloppe US 9 (984 x 225 mm)" means 98.4 mm).
    const QRegularExpression dims(u"(\\d+) x (\\d+) mm"_s);
    const QSizeF sheets[] = {{431.8, 558.8}, {558.8, 863.6}, {863.6, 1117.6}}; // US C, D, E
    for (int code = 1; code <= PaperSizes::StandardCount; ++code) {
        const QString text = PaperSizes::itemText(code);
        const QSizeF mm = PaperSizes::pageSize(code).size(QPageSize::Millimeter);
        const QRegularExpressionMatch m = dims.match(text);
        const QSizeF shown = m.hasMatch()
            ? QSizeF(m.captured(1).toDouble() / (code == 19 ? 10 : 1), m.captured(2).toDouble())
            : sheets[code - 24];
        QVERIFY2(qAbs(mm.width() - shown.width()) < 6 && qAbs(mm.height() - shown.height()) < 6,
                 qPrintable(u"%1: %2 x %3"_s.arg(text).arg(mm.width()).arg(mm.height())));
    }
}

void TestSheetLayout::customAndUnknownPapers()
{
    const QPageSize custom = PaperSizes::pageSize(PaperSizes::Custom, QSizeF(100, 60));
    QCOMPARE(custom.id(), QPageSize::Custom);
    QCOMPARE(custom.size(QPageSize::Millimeter), QSizeF(100, 60));
    // A custom size near a standard one is not snapped to it.
    QCOMPARE(PaperSizes::sheetSizeMm(PaperSizes::Custom, QSizeF(211, 297)), QSizeF(211, 297));
    QVERIFY(!PaperSizes::pageSize(PaperSizes::Custom, QSizeF(0, 60)).isValid());
    QVERIFY(!PaperSizes::pageSize(0).isValid() && !PaperSizes::pageSize(42).isValid());
    QCOMPARE(PaperSizes::sheetSizeMm(PaperSizes::A4, {}, true), QSizeF(297, 210));
}

QTEST_MAIN(TestSheetLayout)
#include "tst_sheetlayout.moc"

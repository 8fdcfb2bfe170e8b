#include "printing/PaperSizes.h"
#include "printing/SheetLayout.h"

#include "platform/Encoding.h"

#include "TestSupport.h"

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
    void customAndUnknownPapers();
    void shippedFormats();
};

void TestSheetLayout::cardSizeFromPicture()
{
    const CardSize card = CardSize::fromPixels(318, 204);
    QVERIFY(card.width == 841270 && card.height == 539683);
    QVERIFY(CardSize::fromPixels(13, 21).width == 34392 && CardSize::fromPixels(13, 21).height == 55556);
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
    const SheetLayout layout = layOut({10, 15, 0, 0, 2, 5}, SheetTarget(target), zoom);
    QCOMPARE(layout.cards().size(), 10);
    QCOMPARE(edges(layout), xs);
    QCOMPARE(edges(layout, true), ys);
    QCOMPARE(layout.cards().at(1).topLeft(), QPointF(xs[1], ys[0])); // row by row
    for (const QRectF &r : layout.cards())
        QVERIFY(qAbs(r.width() - size.width()) < 1e-9 && qAbs(r.height() - size.height()) < 1e-9);
    QVERIFY(layout.fits() && layout.overflowText().isEmpty());
}

void TestSheetLayout::stepsRoundHalfToEven()
{
    const SheetLayout layout = layOut({10, 11, 0, 1, 3, 3}, SheetTarget::Preview, 100, QSizeF(400, 400),
                                      CardSize{845000, 835000});
    QCOMPARE(edges(layout), (QList<double>{10, 94, 178}));
    QCOMPARE(edges(layout, true), (QList<double>{11, 96, 180}));
}

void TestSheetLayout::extendedFormat()
{
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
    const SheetLayout layout = layOut({10, 15, 0, 0, 4, 5}, SheetTarget::Preview);
    QCOMPARE(edges(layout), (QList<double>{10, 94, 178}));
    QVERIFY(!layout.fits());
    QCOMPARE(layout.overflowText(), u"Attention : 10 cartes sur 20 dépassent de la feuille : seule la partie qui "
                                    "tient sur la feuille est imprimée."_s);
    const SheetLayout zoomed = layOut({10, 15, 0, 0, 1, 1}, SheetTarget::Print, 300);
    QVERIFY(zoomed.overflowText().startsWith(u"Attention : 1 carte sur 1 dépasse de la feuille"_s));
    QVERIFY(layOut({0, 0, 0, 0, 1, 1}, SheetTarget::Preview, 100, QSizeF(84.127, 53.9683)).fits());
}

void TestSheetLayout::customAndUnknownPapers()
{
    const QPageSize custom = PaperSizes::pageSize(PaperSizes::Custom, QSizeF(100, 60));
    QVERIFY(custom.id() == QPageSize::Custom && custom.size(QPageSize::Millimeter) == QSizeF(100, 60));
    QCOMPARE(PaperSizes::sheetSizeMm(PaperSizes::Custom, QSizeF(211, 297)), QSizeF(211, 297));
    QVERIFY(!PaperSizes::pageSize(PaperSizes::Custom, QSizeF(0, 60)).isValid());
    QVERIFY(!PaperSizes::pageSize(0).isValid() && !PaperSizes::pageSize(42).isValid());
    QCOMPARE(PaperSizes::sheetSizeMm(PaperSizes::A4, {}, true), QSizeF(297, 210));
}

void TestSheetLayout::shippedFormats()
{
    // The supplied formats file: Windows-1252 with CR LF, sorted as the list
    // sorts; at least a hundred lines, each a complete extended format named
    // after one product (brand and code before " - "), whose grid fits whole
    // on its own paper.
    const QByteArray bytes = TestSupport::readBytes(qEnvironmentVariable("BRIVADUNE_TEST_DATA") + u"/../../data/formats.ini"_s);
    QVERIFY(!bytes.isEmpty() && !bytes.isValidUtf8() && bytes.count("\r\n") == bytes.count('\n'));
    const QStringList lines = Encoding::splitLines(Encoding::decode(bytes));
    QVERIFY(lines.size() >= 100);
    QVERIFY(std::is_sorted(lines.cbegin(), lines.cend(),
                           [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; }));
    QSet<QString> names;
    for (const QString &line : lines) {
        const SheetFormat format(line);
        SheetFields::Texts fields;
        format.applyTo(fields);
        QString error;
        const std::optional<SheetFields::Grid> grid = SheetFields::readGrid(fields, &error);
        QVERIFY2(grid && format.stock() && format.paperCode() && line.section(u'|', 1).count(u'.') == 8, qPrintable(line));
        const QString product = format.name().section(u" - "_s, 0, 0).toLower();
        QVERIFY2(!product.contains(u'/') && !names.contains(product), qPrintable(line));
        names.insert(product);
        const SheetLayout layout = SheetLayout::compute(
            {*grid, format.stock(), {}, SheetTarget::Print, 100, PaperSizes::sheetSizeMm(*format.paperCode())});
        QVERIFY2(layout.fits() && layout.cards().size() == grid->across * grid->down, qPrintable(line));
    }
}

QTEST_MAIN(TestSheetLayout)
#include "tst_sheetlayout.moc"

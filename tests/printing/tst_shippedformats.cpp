#include "printing/PaperSizes.h"
#include "printing/SheetFormats.h"
#include "printing/SheetLayout.h"

#include "platform/Encoding.h"

#include "TestSupport.h"

#include <QDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString sourcePath(const QString &relative)
{
    return QDir(qEnvironmentVariable("BRIVADUNE_TEST_DATA")).filePath(u"../../"_s + relative);
}

// One measured stock of the table the formats file is made from: brand and
// product as the format names them, paper code, then card width and
// height, first card X and Y, pitch across and down, in millimetres.
struct Stock {
    QString product;
    int paperCode = 0;
    double geometry[6] = {};
};

QList<Stock> measuredStocks()
{
    QList<Stock> stocks;
    const QString text = QString::fromUtf8(TestSupport::readBytes(sourcePath(u"scripts/label-sheets.md"_s)));
    for (const QString &line : Encoding::splitLines(text)) {
        const QStringList cells = line.split(u'|');
        if (cells.size() != 13 || !cells[5].contains(u" x "_s) || cells[1].contains(u"Brand"_s))
            continue;
        Stock s{cells[1].trimmed() + u' ' + cells[2].trimmed(),
                cells[4].trimmed() == u"Letter"_s ? PaperSizes::Letter : PaperSizes::A4};
        const QString numbers = cells[5] + u" x "_s + cells[7] + u" x "_s + cells[8] + u" x "_s + cells[11];
        const QStringList values = numbers.split(u" x "_s);
        for (int i = 0; i < 6; ++i)
            s.geometry[i] = values.value(i).trimmed().toDouble();
        stocks.append(s);
    }
    return stocks;
}

// The layout of a format's sheet on its own paper; `error` tells bad fields.
SheetLayout layoutOf(const SheetFormat &format, QString *error)
{
    SheetFields::Texts fields;
    format.applyTo(fields);
    SheetLayoutInput in;
    in.grid = SheetFields::readGrid(fields, error).value_or(SheetFields::Grid{});
    in.stock = format.stock();
    in.paperMm = PaperSizes::sheetSizeMm(format.paperCode().value_or(0));
    return SheetLayout::compute(in);
}

} // namespace

class TestShippedFormats : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLineIsAUsableExtendedFormat();
    void cardsLandOnTheMeasuredStock();

private:
    QStringList m_lines;
};

void TestShippedFormats::initTestCase()
{
    const QByteArray bytes = TestSupport::readBytes(sourcePath(u"data/formats.ini"_s));
    QVERIFY(!bytes.isEmpty());
    // Windows-1252 with CR LF, read back as the dialog reads it.
    QVERIFY(!bytes.isValidUtf8());
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    m_lines = Encoding::splitLines(Encoding::decodeCp1252(bytes));
}

void TestShippedFormats::everyLineIsAUsableExtendedFormat()
{
    QVERIFY(m_lines.size() >= 30);
    QStringList sorted = m_lines;
    std::stable_sort(sorted.begin(), sorted.end(), SheetFormats::itemLessThan);
    QCOMPARE(m_lines, sorted);

    QSet<QString> names;
    for (const QString &line : m_lines) {
        const SheetFormat format(line);
        QVERIFY2(format.isComplete() && format.stock() && format.paperCode() && format.pieces().size() == 9,
                 qPrintable(line));
        QVERIFY2(!names.contains(format.name().toLower()), qPrintable(line));
        names.insert(format.name().toLower());

        QString error;
        const SheetLayout layout = layoutOf(format, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(layout.fits() && layout.cards().size() == layout.gridCount(), qPrintable(line));
    }
}

void TestShippedFormats::cardsLandOnTheMeasuredStock()
{
    // Whole-millimetre fields cannot follow a pitch such as 55.5 mm over
    // five rows closer than 1 mm; the table gives it as 55.499 from 14.993,
    // hence the hundredth allowed beyond the millimetre.
    const double tolerance = 1.01;
    const QList<Stock> stocks = measuredStocks();
    QCOMPARE(stocks.size(), 36);
    for (const Stock &stock : stocks) {
        const auto named = [&](const QString &line) {
            return SheetFormat(line).name().section(u" - "_s, 0, 0).split(u" / "_s).contains(stock.product);
        };
        const auto it = std::find_if(m_lines.cbegin(), m_lines.cend(), named);
        QVERIFY2(it != m_lines.cend(), qPrintable(stock.product));
        const SheetFormat format(*it);
        QCOMPARE(*format.paperCode(), stock.paperCode);

        const SheetLayout layout = layoutOf(format, nullptr);
        const int across = format.pieces().at(SheetFields::Across).toInt();
        const auto [width, height, x, y, pitchH, pitchV] = stock.geometry;
        for (int i = 0; i < layout.cards().size(); ++i) {
            const QRectF card = layout.cards().at(i);
            const double left = x + (i % across) * pitchH;
            const double top = y + (i / across) * pitchV;
            const double error = std::max({qAbs(card.left() - left), qAbs(card.right() - left - width),
                                           qAbs(card.top() - top), qAbs(card.bottom() - top - height)});
            QVERIFY2(error <= tolerance, qPrintable(u"%1, card %2: %3 mm"_s.arg(stock.product).arg(i).arg(error)));
        }
    }
}

QTEST_GUILESS_MAIN(TestShippedFormats)
#include "tst_shippedformats.moc"

// The print preview: the pages Aperçu renders, the preview window's
// navigation, counter, page and ruler placement, scrolling and rulers.
#include "printing/PageNavigator.h"
#include "printing/PageSurface.h"
#include "printing/PreviewGeometry.h"
#include "printing/frmPage.h"
#include "printing/frmPrint.h"

#include "platform/CommonDialog.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Units.h"
#include "widgets/Ruler.h"

#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A white "Grand format" card whose only item is a red square logo in its
// top-left corner: the squares show where the cards are.
CardDocument markedCard()
{
    CardDocument card;
    card.Label(1)->Visible = false;
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    CardLogo *logo = card.Logo(1);
    logo->setPicture(red);
    logo->Left = 0;
    logo->Top = 0;
    return card;
}

struct Fixture {
    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    CommonDialog dialog{&prompts};
    QStringList modal;
    std::function<void(frmPage &)> onPreview;
    std::unique_ptr<frmPrint> print;

    explicit Fixture(const QByteArray &formats)
    {
        dir.writeFile(u"formats.ini"_s, formats);
        Services services;
        services.appDir = dir.path();
        services.prompts = &prompts;
        print = std::make_unique<frmPrint>(services, dialog, [this](QDialog &d) {
            modal.append(QString::fromLatin1(d.metaObject()->className()));
            if (auto *page = qobject_cast<frmPage *>(&d); page && onPreview)
                onPreview(*page);
            return int(QDialog::Rejected);
        });
        print->setCard(markedCard(), u"Essai"_s, QPalette());
    }
    void setSheets(int sheets)
    {
        print->settings().setSheetsText(QString::number(sheets));
    }
};

// First fully red pixels of the runs along a row or a column (a picture's
// edge may land on either pixel it crosses).
QList<int> redStarts(const QImage &page, int at, bool alongRow)
{
    QList<int> starts;
    bool inside = false;
    const int n = alongRow ? page.width() : page.height();
    for (int i = 0; i < n; ++i) {
        const QRgb c = alongRow ? page.pixel(i, at) : page.pixel(at, i);
        const bool red = qRed(c) > 230 && qGreen(c) < 30 && qBlue(c) < 30;
        if (red && !inside)
            starts.append(i);
        inside = red;
    }
    return starts;
}

// Millimetres to pixels of a preview page (15 twips per pixel).
double px(double mm)
{
    return mm * Units::TwipsPerMm / Units::ScreenTwipsPerPixel;
}

void compareStarts(const QList<int> &starts, const QList<double> &mm)
{
    QCOMPARE(starts.size(), mm.size());
    for (int i = 0; i < mm.size(); ++i)
        QVERIFY2(qAbs(starts.at(i) - px(mm.at(i))) <= 1,
                 qPrintable(u"pixel %1 for %2 mm"_s.arg(starts.at(i)).arg(mm.at(i))));
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT

private slots:
    void navigation();
    void pageAndRulerPlaces();
    void pagesFromTheLayout();
    void previewWindow();
    void refusedPreview();
};

void TestPreview::navigation()
{
    // Three sheets: four surfaces, three shown.
    PageNavigator three(4);
    QCOMPARE(three.counterText(), u"Page 01/03"_s);
    QCOMPARE(three.navigate(PageNavigator::Previous), 1);
    QCOMPARE(three.navigate(PageNavigator::Next), 2);
    QCOMPARE(three.navigate(PageNavigator::Last), 3);
    QCOMPARE(three.counterText(), u"Page 03/03"_s);
    QCOMPARE(three.navigate(PageNavigator::Next), 3);
    QCOMPARE(three.navigate(PageNavigator::First), 1);
    QCOMPARE(three.navigate(7), 1);

    PageNavigator one(1);
    for (int move : {3, 4, 2, 1})
        QCOMPARE(one.navigate(move), 1);
    QCOMPARE(one.counterText(), u"Page 01/01"_s);
    QCOMPARE(PageNavigator::counterText(7, 120), u"Page 07/120"_s);
}

void TestPreview::pageAndRulerPlaces()
{
    // An A4 page (11907 x 16839 twips) in an area 19200 x 14400 twips.
    const PreviewGeometry g(QSizeF(11907, 16839), QSizeF(19200, 14400));
    QCOMPARE(g.pageRect(0), QRectF(3646.5, 700, 11907, 16839));
    QCOMPARE(g.horizontalRuler(0), QRectF(3646.5, 350, 11907, 300));
    QCOMPARE(g.verticalRuler(0), QRectF(3286.5, 700, 300, 16839));
    QCOMPARE(g.pageRect(1000).top(), -300.0);
    QCOMPARE(g.verticalRuler(1000).top(), -300.0);
    // The bar reaches the page's bottom and 700 twips more.
    QCOMPARE(g.scrollMaximum(), 700 + 16839 + 700 - 14400);
    QCOMPARE(g.smallStep(), 3839 / 20 + 1);
    QCOMPARE(g.largeStep(), 3839 / 5 + 1);
    QVERIFY(g.scrollEnabled());

    const PreviewGeometry shortPage(QSizeF(8000, 5000), QSizeF(19200, 14400));
    QCOMPARE(shortPage.scrollMaximum(), 0);
    QVERIFY(!shortPage.scrollEnabled());

    // The counter centred; "<" and ">" 200 twips from it, "<<" and ">>"
    // 150 beyond them.
    const PreviewGeometry::Navigation n = PreviewGeometry::navigation(19200, 1500, 450);
    QCOMPARE(n.counter, 8850.0);
    QCOMPARE(n.previous + 450, n.counter - 200);
    QCOMPARE(n.first + 450, n.previous - 150);
    QCOMPARE(n.next, n.counter + 1500 + 200);
    QCOMPARE(n.last, n.next + 450 + 150);
}

void TestPreview::pagesFromTheLayout()
{
    Fixture f("Grille | 10.15.0.0.2.5\r\n");
    f.setSheets(3);
    int surfaces = 0;
    QList<qint64> keys;
    QImage first;
    bool lastBlank = false;
    QString caption;
    f.onPreview = [&](frmPage &page) {
        surfaces = page.pageCount();
        keys.clear();
        for (int i = 1; i < surfaces; ++i)
            keys.append(page.Page(i)->sheet().cacheKey());
        first = page.Page(1)->sheet();
        lastBlank = page.Page(surfaces)->sheet().isNull();
        caption = page.windowTitle();
    };
    QVERIFY(f.print->Aperçu());
    QCOMPARE(f.modal, QStringList({u"frmPage"_s}));
    QCOMPARE(caption, u"Aperçu avant impression - [Essai]"_s);
    // N + 1 surfaces, the last blank; the three sheets share one picture.
    QCOMPARE(surfaces, 4);
    QVERIFY(lastBlank);
    QCOMPARE(keys, QList<qint64>({keys.at(0), keys.at(0), keys.at(0)}));

    // A4 at 15 twips per pixel; cards at their unenlarged size: across at
    // 10 and 94 mm, down at 15, 69, 123, 177 and 231 mm.
    QCOMPARE(first.size(), QSize(794, 1123));
    compareStarts(redStarts(first, int(px(16)), true), {10, 94});
    compareStarts(redStarts(first, int(px(11)), false), {15, 69, 123, 177, 231});
    QCOMPARE(first.pixel(5, 5), qRgb(255, 255, 255));

    // One sheet: one surface. Landscape paper turns the page.
    f.setSheets(1);
    f.print->settings().setOrientation(PrintSettings::Landscape);
    QVERIFY(f.print->Aperçu());
    QCOMPARE(surfaces, 1);
    QCOMPARE(first.size(), QSize(1123, 794));
}

void TestPreview::previewWindow()
{
    Fixture f("Grille | 10.15.0.0.2.5\r\n");
    f.setSheets(3);
    int printed = 0;
    f.onPreview = [&](frmPage &page) {
        page.onPrint = [&printed] { ++printed; };
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QStringList captions = {u"Configurer|Configurer l'impression"_s, u"Imprimer|Imprimer la planche"_s,
                                      u"<<|Première page"_s,                    u"<|Page précédente"_s,
                                      u">|Page suivante"_s,                     u">>|Dernière page"_s,
                                      u"Fermer|Fermer l'aperçu"_s};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(page.Bouton(i)->text() + u'|' + page.Bouton(i)->toolTip(), captions.at(i));
        QCOMPARE(page.LabelA()->font().family(), u"Verdana"_s);
        QCOMPARE(page.Check1()->text(), u"Déplacer les rêgles"_s);
        QCOMPARE(page.frameGeometry(), page.screen()->geometry());

        // Navigation.
        QCOMPARE(page.LabelA()->text(), u"Page 01/03"_s);
        QVERIFY(page.Page(1)->isVisible() && !page.Page(2)->isVisible());
        QTest::mouseClick(page.Bouton(5), Qt::LeftButton);
        QCOMPARE(page.LabelA()->text(), u"Page 03/03"_s);
        QVERIFY(page.Page(3)->isVisible() && !page.Page(1)->isVisible() && !page.Page(4)->isVisible());
        QTest::mouseClick(page.Bouton(4), Qt::LeftButton);
        QCOMPARE(page.currentPage(), 3);
        QTest::mouseClick(page.Bouton(2), Qt::LeftButton);
        QTest::mouseClick(page.Bouton(3), Qt::LeftButton);
        QCOMPARE(page.LabelA()->text(), u"Page 01/03"_s);
        QVERIFY(page.Page(1)->isVisible());

        // The page centred 700 twips down, the rulers beside it.
        PageSurface *sheet = page.Page(1);
        const int left = (page.Fond()->width() - sheet->width()) / 2;
        QVERIFY(qAbs(sheet->x() - left) <= 1);
        QCOMPARE(sheet->y(), 47);
        Ruler *across = page.Regle(0);
        Ruler *down = page.Regle(1);
        QCOMPARE(across->Orientation(), 0);
        QCOMPARE(down->Orientation(), 1);
        QCOMPARE(across->RulerMode(), 0);
        QCOMPARE(across->geometry(), QRect(sheet->x(), 23, sheet->width(), 20));
        QCOMPARE(down->geometry(), QRect(sheet->x() - 24, 47, 20, sheet->height()));

        // Scrolling moves page and rulers together.
        QScrollBar *bar = page.VScroll1();
        const PreviewGeometry g = page.pageGeometry();
        QVERIFY(bar->isEnabled());
        QCOMPARE(bar->maximum(), g.scrollMaximum());
        QCOMPARE(bar->singleStep(), g.smallStep());
        QCOMPARE(bar->pageStep(), g.largeStep());
        bar->setValue(1500);
        QCOMPARE(sheet->y(), 47 - 100);
        QCOMPARE(across->y(), 23 - 100);
        QCOMPARE(down->y(), 47 - 100);

        // Movable rulers are dragged and stay put when scrolling; a double
        // click on the page puts them back.
        QTest::mouseClick(page.Check1(), Qt::LeftButton, {}, QPoint(5, page.Check1()->height() / 2));
        QVERIFY(page.Check1()->isChecked() && across->isMovable());
        const QPoint grab(40, 10);
        QTest::mousePress(across, Qt::LeftButton, {}, grab);
        QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(30, 200)),
                         across->mapToGlobal(QPointF(grab + QPoint(30, 200))), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(across, &move);
        QTest::mouseRelease(across, Qt::LeftButton, {}, grab);
        const QPoint dragged = across->pos();
        QCOMPARE(dragged, QPoint(sheet->x() + 30, 23 - 100 + 200));
        bar->setValue(0);
        QCOMPARE(across->pos(), dragged);
        QTest::mouseDClick(sheet, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(across->geometry(), QRect(sheet->x(), 23, sheet->width(), 20));
        QCOMPARE(down->pos(), QPoint(sheet->x() - 24, 47));

        QTest::mouseClick(page.Bouton(1), Qt::LeftButton);
        QTest::mouseClick(page.Bouton(6), Qt::LeftButton);
        QVERIFY(!page.isVisible());
    };
    QVERIFY(f.print->Aperçu());
    QCOMPARE(printed, 1);
    QVERIFY(!QGuiApplication::overrideCursor());

    // Short pages need no bar; one sheet counts one page.
    f.setSheets(1);
    f.print->settings().selectPaper(30); // C6 envelope, 114 x 162 mm
    f.onPreview = [](frmPage &page) {
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!page.VScroll1()->isEnabled());
        QCOMPARE(page.LabelA()->text(), u"Page 01/01"_s);
        QTest::mouseClick(page.Bouton(4), Qt::LeftButton);
        QTest::mouseClick(page.Bouton(5), Qt::LeftButton);
        QCOMPARE(page.LabelA()->text(), u"Page 01/01"_s);
        QVERIFY(page.Page(1)->isVisible());
        page.close();
    };
    QVERIFY(f.print->Aperçu(false));
}

void TestPreview::refusedPreview()
{
    Fixture f("Grille | 10.15.0.0.2.5\r\n");
    // A paper too large to show.
    f.print->settings().setCustomText(0, u"5000"_s);
    f.print->settings().setCustomText(1, u"5000"_s);
    QVERIFY(!f.print->Aperçu());
    QVERIFY(f.modal.isEmpty());
    QCOMPARE(f.prompts.messages.size(), std::size_t(1));
    QCOMPARE(f.prompts.messages.front().text, u"L'aperçu avant impression n'est pas possible.\r\n\r\n"
                                              "Format de papier non pris en charge par l'imprimante."_s);
    QCOMPARE(f.prompts.messages.front().title, u"Erreur"_s);
    QCOMPARE(f.prompts.messages.front().style, Msg::OkOnly | Msg::Critical);

    // Bad input is named before anything is drawn.
    f.print->settings().setCustomPaper(false);
    f.print->settings().setSheetsText(u"0"_s);
    QVERIFY(!f.print->Aperçu());
    QVERIFY(f.prompts.messages.back().text.startsWith(u"Le champ \"Nombre total de pages\""_s));
    QVERIFY(f.modal.isEmpty());
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"

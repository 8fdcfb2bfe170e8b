// Dragging a label on a busy card: a "Grand format" card window with 100
// labels (or 255 labels and 255 logos) over a circular (kind 8) gradient,
// shown in a 600 x 400 window. One iteration is one mouse-move step of a
// left-button drag, synthesized on the card window, plus the repaint it
// causes (pending events processed); the dragged label snaps to the card's
// and the other items' lines.
//
// Counters:
//   gradient_repaints  1 when the card's picture changed during the drag (the
//                      gradient is painted into it once, before); must be 0
//   paints_per_step    paint events of the card view per step
//   px_per_step        pixels of the card view repainted per step (the card
//                      is 318 x 204 = 64872 pixels)
//   moved_steps        share of the steps that moved the label (the others
//                      round to the same pixel)

#include "BenchMain.h"

#include "BenchCardWindow.h"
#include "imaging/ColorGradient.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr double CardWidth = 4762.8;
constexpr double CardHeight = 3061.8;
constexpr int LabelCount = 100;

// Counts the card view's paint events and the pixels they cover.
class PaintCounter : public QObject {
public:
    long long events = 0;
    long long pixels = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++events;
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                pixels += static_cast<long long>(r.width()) * r.height();
        }
        return false;
    }
};

void BM_DragStep(benchmark::State &state)
{
    BenchCardWindow windows;
    const std::unique_ptr<frmProjet> owned = windows.make();
    frmProjet &card = *owned;
    card.resize(600, 400);

    // Labels in a grid of ten across over the whole card (and logos, when
    // asked for, in a grid of their own), over a circular gradient.
    const int labels = int(state.range(0));
    const int logos = int(state.range(1));
    CardData data;
    data.setSize(CardWidth, CardHeight);
    for (int i = 1; i <= labels; ++i) {
        CardLabel *label = data.createLabel(i);
        label->setCaption(QStringLiteral("Étiquette %1").arg(i));
        label->Left = float((i - 1) % 10 * 470);
        label->Top = float((i - 1) / 10 * 300 * 100 / labels);
        label->Visible = true;
    }
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(qRgb(40, 160, 40));
    for (int i = 1; i <= logos; ++i) {
        CardLogo *logo = data.createLogo(i);
        logo->setPicture(picture);
        logo->Left = float((i - 1) % 16 * 290 + 100);
        logo->Top = float((i - 1) / 16 * 180);
        logo->Visible = true;
    }
    // The label dragged lies on top of everything.
    data.bringToFront({CardItemRef::LabelItem, 55});
    data.Color1 = Colors::rgb(200, 30, 40);
    data.Color2 = Colors::rgb(250, 240, 120);
    data.Color3 = Colors::rgb(20, 60, 180);
    data.NumOption = 8;
    data.NumFond = 1;
    card.setDocument(data);

    card.show();
    if (!QTest::qWaitForWindowExposed(&card)) {
        state.SkipWithError("the card window was never shown");
        return;
    }
    QCoreApplication::processEvents();

    // From here on, any change of the card's picture is a gradient repaint:
    // painting into it changes its cache key.
    const qint64 pictureKey = card.Picture1().image().cacheKey();
    PaintCounter paints;
    QWidget *view = card.cardView();
    view->installEventFilter(&paints);

    // Grab label 55 (mid-card) near its top-left corner, clear of its
    // neighbour, and move in small circles around that point, a few pixels
    // per step as a hand does.
    const CardLabel *dragged = card.doc().Label(55);
    const QPoint start(int(dragged->Left / 15) + 5, int(dragged->Top / 15) + 5);
    QWindow *window = card.windowHandle();
    auto at = [&](QPoint viewPixel) { return view->mapTo(&card, viewPixel); };
    QTest::mouseMove(window, at(start));
    QTest::mousePress(window, Qt::LeftButton, {}, at(start));
    QCoreApplication::processEvents();
    paints.events = 0;
    paints.pixels = 0;

    long long step = 0;
    long long moved = 0;
    for (auto _ : state) {
        const double angle = double(step++) * 0.25;
        const QPoint p = start + QPoint(int(std::lround(12 * std::cos(angle))), int(std::lround(12 * std::sin(angle))));
        const float left = dragged->Left;
        const float top = dragged->Top;
        QTest::mouseMove(window, at(p));
        QCoreApplication::processEvents();
        if (dragged->Left != left || dragged->Top != top)
            ++moved;
    }

    QTest::mouseRelease(window, Qt::LeftButton, {}, at(start));
    view->removeEventFilter(&paints);
    const long long surfaceChanges = card.Picture1().image().cacheKey() == pictureKey ? 0 : 1;

    const double steps = double(std::max<long long>(1, step));
    state.counters["gradient_repaints"] = double(surfaceChanges);
    state.counters["paints_per_step"] = double(paints.events) / steps;
    state.counters["px_per_step"] = double(paints.pixels) / steps;
    state.counters["moved_steps"] = double(moved) / steps;
    if (surfaceChanges != 0)
        state.SkipWithError("the drag repainted the card's picture");
    else if (paints.events == 0 || moved == 0)
        state.SkipWithError("the drag moved or repainted nothing");
}

} // namespace

BENCHMARK(BM_DragStep)->Args({LabelCount, 0})->Args({255, 255})->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}

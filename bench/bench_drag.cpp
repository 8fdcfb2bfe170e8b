// Dragging a label on a busy card: a "Grand format" card window with 100
// labels over a circular (kind 8) gradient, shown in a 600 x 400 window.
// One iteration is one mouse-move step of a left-button drag, synthesized on
// the card window, plus the repaint it causes (pending events processed).
//
// Counters:
//   gradient_repaints  changes of the card's picture during the drag (the
//                      gradient is painted into it once, before); must be 0
//   paints_per_step    paint events of the card view per step
//   px_per_step        pixels of the card view repainted per step (the card
//                      is 318 x 204 = 64872 pixels)
//   moved_steps        share of the steps that moved the label (the others
//                      round to the same pixel)

#include "BenchMain.h"

#include "QuietCardHost.h"
#include "document/frmProjet.h"
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

using QuietHost = QuietCardHost;

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
    QuietHost host;
    frmProjet card(&host);
    card.setCardSize(CardWidth, CardHeight);
    card.resize(600, 400);

    // 100 labels in a 10 x 10 grid over the whole card.
    for (int i = 2; i <= LabelCount; ++i)
        card.Ajouter_UnLabel();
    for (int i = 1; i <= LabelCount; ++i) {
        CardLabel *label = card.Label(i);
        label->setCaption(QStringLiteral("Étiquette %1").arg(i));
        label->Left = float((i - 1) % 10 * 470);
        label->Top = float((i - 1) / 10 * 300);
    }
    CardDocument &doc = card.doc();
    doc.Color1 = Colors::rgb(200, 30, 40);
    doc.Color2 = Colors::rgb(250, 240, 120);
    doc.Color3 = Colors::rgb(20, 60, 180);
    doc.NumOption = 8;
    doc.NumFond = 1;
    card.Reinitialiser();
    card.updateCard();

    card.show();
    if (!QTest::qWaitForWindowExposed(&card)) {
        state.SkipWithError("the card window was never shown");
        return;
    }
    QCoreApplication::processEvents();

    // From here on, any change of the card's picture is a gradient repaint.
    long long surfaceChanges = 0;
    const auto repaint = card.Picture1().onChanged;
    card.Picture1().onChanged = [&surfaceChanges, repaint] {
        ++surfaceChanges;
        if (repaint)
            repaint();
    };
    PaintCounter paints;
    QWidget *view = card.cardView();
    view->installEventFilter(&paints);

    // Grab label 55 (mid-card) near its top-left corner, clear of its
    // neighbour, and move in small circles around that point, a few pixels
    // per step as a hand does.
    const CardLabel *dragged = card.Label(55);
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
    card.Picture1().onChanged = repaint;

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

BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}

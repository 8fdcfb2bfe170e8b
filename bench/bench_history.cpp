// A card of 255 labels and 255 logos in a card window, shown in a 600 x 400
// window:
//   BM_UndoRedo       one undo and one redo of a single change (a label's
//                     text), the views following (pending events processed)
//   BM_HistoryMemory  1000 successive changes of one or another item taken
//                     into the history; counter history_mb: the heap they
//                     take, in megabytes
//   BM_Repaint800     the card view painted whole at 800 %

#include "BenchMain.h"

#include "BenchCardWindow.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

constexpr int Items = 255;

std::unique_ptr<frmProjet> busyCard(BenchCardWindow &windows)
{
    CardData data;
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(qRgb(200, 40, 40));
    for (int i = 1; i <= Items; ++i) {
        CardLabel *label = data.createLabel(i);
        label->setCaption(QStringLiteral("Étiquette %1").arg(i));
        label->Left = float((i % 15) * 300);
        label->Top = float((i / 15) * 170);
        label->Visible = true;
        CardLogo *logo = data.createLogo(i);
        logo->setPicture(picture);
        logo->picturePath = QStringLiteral("/logo.png");
        logo->Left = float((i % 17) * 270);
        logo->Top = float((i / 17) * 190);
        logo->Visible = true;
    }
    data.Color1 = Colors::rgb(200, 30, 40);
    data.Color3 = Colors::rgb(20, 60, 180);
    data.NumOption = 8;
    data.NumFond = 1;
    auto card = windows.make();
    card->setDocument(data);
    card->resize(600, 400);
    card->show();
    QCoreApplication::processEvents();
    return card;
}

void BM_UndoRedo(benchmark::State &state)
{
    BenchCardWindow windows;
    const auto card = busyCard(windows);
    {
        const frmProjet::Edit edit(card.get(), QStringLiteral("Texte"));
        card->doc().editLabel(128, [](CardLabel &l) { l.setCaption(QStringLiteral("Jeanne Martin")); });
    }
    QUndoStack &history = card->history();
    for (auto _ : state) {
        history.undo();
        QCoreApplication::processEvents();
        history.redo();
        QCoreApplication::processEvents();
    }
    if (card->doc().Label(128)->Caption() != QStringLiteral("Jeanne Martin"))
        state.SkipWithError("the change was not given back");
    state.counters["steps"] = double(history.count());
}

void BM_HistoryMemory(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        BenchCardWindow windows;
        const auto card = busyCard(windows);
        const size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        for (int n = 0; n < 1000; ++n) {
            const frmProjet::Edit edit(card.get(), QStringLiteral("Modifier"));
            const int index = 1 + n % Items;
            if (n % 2)
                card->doc().moveItem({CardItemRef::LogoItem, index}, QPointF(n, n));
            else
                card->doc().editLabel(index, [n](CardLabel &l) { l.setCaption(QStringLiteral("Nom %1").arg(n)); });
        }
        state.PauseTiming();
        const size_t after = mallinfo2().uordblks;
        state.counters["history_mb"] = double(after - before) / (1024.0 * 1024.0);
        state.counters["steps"] = double(card->history().count());
        state.ResumeTiming();
    }
}

void BM_Repaint800(benchmark::State &state)
{
    BenchCardWindow windows;
    const auto card = busyCard(windows);
    card->setZoom(8);
    QWidget *view = card->cardView();
    QCoreApplication::processEvents();
    QImage target(view->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        // What the window shows of the card, painted afresh.
        QPaintEvent event(QRect(QPoint(0, 0), card->size()).translated(-view->pos()));
        view->render(&target, QPoint(), QRegion(event.rect()));
    }
    state.counters["view_px"] = double(view->width()) * view->height();
}

} // namespace

BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Repaint800)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}

// Saving and loading a card of 255 labels and 255 logos that share one
// small picture file, through the card window's Projet_Sauver and
// Projet_Ouvrir (a whole .prj file each time).

#include "BenchMain.h"

#include "BenchCardWindow.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Items = 255;

struct Fixture {
    QTemporaryDir dir;
    BenchCardWindow windows;
    QString picture = dir.filePath(QStringLiteral("logo.png"));
    QString project = dir.filePath(QStringLiteral("carte.prj"));

    Fixture()
    {
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(qRgb(200, 40, 40));
        image.save(picture);
    }

    // A card of 255 labels and 255 logos, every other logo stretched.
    std::unique_ptr<frmProjet> fullCard()
    {
        CardData data;
        for (int i = 1; i <= Items; ++i) {
            CardLabel *label = data.createLabel(i);
            label->setCaption(QStringLiteral("Étiquette n°%1 – Atelier du Port").arg(i));
            label->setFontBold(i % 2 == 0);
            label->setFontSize(8.25f + float(i % 5));
            label->ForeColor = i * 4099;
            label->Top = float(i * 11);
            label->Left = float(i * 7) + 0.5f;
            label->Visible = true;
            CardLogo *logo = data.createLogo(i);
            logo->picturePath = picture;
            logo->setPicture(QImage(picture));
            logo->setStretch(i % 2 == 0);
            if (logo->Stretch())
                logo->setSize(900, 450.5f);
            logo->Top = float(i * 3);
            logo->Left = float(i * 5);
            logo->Visible = true;
        }
        data.Color1 = 255;
        data.Color2 = 65280;
        data.Color3 = 16711680;
        data.NumOption = 8;
        data.NumFond = 1;
        auto card = windows.make();
        card->setDocument(data);
        return card;
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

void BM_SaveProject(benchmark::State &state)
{
    auto card = fixture().fullCard();
    for (auto _ : state)
        benchmark::DoNotOptimize(card->Projet_Sauver(fixture().project));
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_LoadProject(benchmark::State &state)
{
    fixture().fullCard()->Projet_Sauver(fixture().project);
    for (auto _ : state) {
        // Each load goes into a fresh window, as the frame opens a project.
        state.PauseTiming();
        auto card = fixture().windows.make();
        state.ResumeTiming();
        benchmark::DoNotOptimize(card->Projet_Ouvrir(fixture().project));
        state.PauseTiming();
        if (card->doc().labelCount() != Items || card->doc().logoCount() != Items)
            state.SkipWithError("the card did not load whole");
        card.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}

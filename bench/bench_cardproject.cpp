// Loading a project file of N labels and N logos (one small picture shared
// by every logo) into a new card document, without any window: the text
// parsed as a profile, read as project content, applied to the card (each
// label measured in its font, each logo's picture through the cache), as
// opening a project does before it draws. N = 500 to 4000 shows how the
// cost grows with the file: it should double when N doubles.

#include "BenchMain.h"

#include "document/CardProject.h"
#include "document/ProjectFile.h"
#include "platform/Encoding.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString picture = dir.filePath(QStringLiteral("logo.png"));
    QImage placeholder{8, 6, QImage::Format_RGB32};

    Fixture()
    {
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(qRgb(200, 40, 40));
        image.save(picture);
        placeholder.fill(Qt::gray);
    }

    // The bytes of a saved card of `items` labels and `items` logos, every
    // other logo stretched, a gradient background.
    QByteArray projectBytes(int items) const
    {
        ProjectData data;
        data.width = 4762.8;
        data.height = 3061.8;
        for (int i = 1; i <= items; ++i) {
            data.labels.push_back({QStringLiteral("Étiquette n°%1 – Atelier du Port").arg(i), QStringLiteral("Arial"),
                                   i % 2 == 0, false, 8.25f + float(i % 5), false, false, i * 4099,
                                   float(i % 3000), float(i % 4000) + 0.5f});
            ProjectLogo logo{float(i % 3000), float(i % 4000), picture, i % 2 == 0, std::nullopt, std::nullopt};
            if (logo.stretch) {
                logo.width = 900;
                logo.height = 450.5f;
            }
            data.logos.push_back(logo);
        }
        data.background = {1, 255, 65280, 16711680, 8, QString()};
        return Encoding::encode(ProjectFile::write(data).toText());
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// Parsing and reading only.
void BM_ReadProject(benchmark::State &state)
{
    const QByteArray bytes = fixture().projectBytes(int(state.range(0)));
    for (auto _ : state) {
        ProfileFile profile;
        profile.fromText(Encoding::decode(bytes));
        benchmark::DoNotOptimize(ProjectFile::read(profile));
    }
}
BENCHMARK(BM_ReadProject)->ArgName("items")->Arg(2000)->Unit(benchmark::kMillisecond);

// Parsing, reading and applying to a new card.
void BM_LoadIntoCard(benchmark::State &state)
{
    const int items = int(state.range(0));
    const QByteArray bytes = fixture().projectBytes(items);
    for (auto _ : state) {
        CardData card(fixture().placeholder);
        ProfileFile profile;
        profile.fromText(Encoding::decode(bytes));
        PictureFile::Cache pictures;
        CardProject::apply(ProjectFile::read(profile), card, fixture().placeholder, pictures);
        if (card.labelCount() != items || card.logoCount() != items
            || card.stackingOrder().size() != std::size_t(2 * items)) {
            state.SkipWithError("the card did not load whole");
            break;
        }
    }
}
BENCHMARK(BM_LoadIntoCard)->ArgName("items")->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv);
}

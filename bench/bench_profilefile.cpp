// Saving and reading a card of 255 labels through a profile file held in
// memory: about 2 600 keys written then saved once, and read back one key
// at a time after one load.

#include "platform/ProfileFile.h"

#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Labels = 255;
const char *const LabelKeys[] = {"Caption", "Font", "FontBold", "FontItalic", "FontSize",
                                 "FontStrikethru", "FontUnderline", "ForeColor", "Top", "Left"};

void writeCard(ProfileFile &p)
{
    p.writeString(QStringLiteral("FORMAT"), QStringLiteral("Longueur"), QStringLiteral("4762,8"));
    p.writeString(QStringLiteral("FORMAT"), QStringLiteral("Hauteur"), QStringLiteral("3061,8"));
    for (int i = 1; i <= Labels; ++i) {
        const QString section = QStringLiteral("LABEL %1").arg(i);
        for (const char *key : LabelKeys)
            p.writeString(section, QLatin1String(key), QStringLiteral("Valeur du label %1").arg(i));
    }
    p.writeString(QStringLiteral("LABEL"), QStringLiteral("Nombre"), QString::number(Labels));
}

void BM_SaveCard(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("carte.prj"));
    for (auto _ : state) {
        ProfileFile p;
        p.load(path);
        p.clear();
        writeCard(p);
        benchmark::DoNotOptimize(p.save());
    }
}
BENCHMARK(BM_SaveCard)->Unit(benchmark::kMillisecond);

void BM_ReadCard(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("carte.prj"));
    {
        ProfileFile p(path);
        writeCard(p);
        p.save();
    }
    for (auto _ : state) {
        ProfileFile p(path);
        qsizetype total = 0;
        const int n = p.readString(QStringLiteral("LABEL"), QStringLiteral("Nombre")).toInt();
        for (int i = 1; i <= n; ++i) {
            const QString section = QStringLiteral("LABEL %1").arg(i);
            for (const char *key : LabelKeys)
                total += p.readString(section, QLatin1String(key)).size();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadCard)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

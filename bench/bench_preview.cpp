// The print preview of a 10-up A4 layout, from Aperçu until its window is
// shown, for 1 and 100 sheets, with the process's resident memory while
// the preview is open.
#include "BenchMain.h"

#include "document/CardData.h"
#include "document/PictureFile.h"
#include "platform/CommonDialog.h"
#include "platform/ScriptedPrompts.h"
#include "printing/frmPage.h"
#include "printing/frmPrint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <string>

namespace {

// VmRSS of this process, kilobytes.
long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

// "Grand format" with a picture background, four labels and a logo.
CardData benchCard()
{
    const QString images = QStringLiteral(BRIVADUNE_DATA_DIR "/Images");
    CardData card;
    card.NumFond = 2;
    card.BackgroundPicture = images + QStringLiteral("/Images de fond/Aquarelle.jpg");
    const char *texts[] = {"Jeanne Duval", "Architecte d'intérieur", "12, rue des Lilas - 29200 Brest",
                           "Tél. 02 98 00 00 00"};
    const float tops[] = {300, 800, 2200, 2500};
    for (int n = 1; n <= 4; ++n) {
        CardLabel *label = card.createLabel(n);
        label->setCaption(QString::fromUtf8(texts[n - 1]));
        label->Left = 1800;
        label->Top = tops[n - 1];
        label->Visible = true;
    }
    CardLogo *logo = card.Logo(1);
    logo->setPicture(PictureFile::load(images + QStringLiteral("/Angles/Angle floral haut gauche.png")));
    logo->Left = 150;
    logo->Top = 150;
    return card;
}

void BM_PreviewShown(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile formats(dir.filePath(QStringLiteral("formats.ini")));
    if (!formats.open(QIODevice::WriteOnly) || formats.write("Grand format 10 | 10.15.0.0.2.5\r\n") < 0) {
        state.SkipWithError("cannot write formats.ini");
        return;
    }
    formats.close();
    ScriptedPrompts prompts;
    CommonDialog dialog(&prompts);
    Services services;
    services.appDir = dir.path();
    services.prompts = &prompts;

    QElapsedTimer timer;
    qint64 shownNs = 0;
    long rss = 0;
    frmPrint print(services, dialog, [&](QDialog &preview) {
        preview.show();
        if (!QTest::qWaitForWindowExposed(&preview))
            return int(QDialog::Rejected);
        shownNs = timer.nsecsElapsed();
        rss = residentKb();
        preview.close();
        return int(QDialog::Rejected);
    });
    print.setCard(benchCard(), QStringLiteral("Banc d'essai"), QApplication::palette());
    print.settings().setSheetsText(QString::number(state.range(0)));

    for (auto _ : state) {
        shownNs = 0;
        timer.start();
        if (!print.Aperçu() || shownNs == 0) {
            state.SkipWithError("the preview was not shown");
            return;
        }
        state.SetIterationTime(double(shownNs) / 1e9);
    }
    state.counters["rss_kb"] = double(rss);
}

} // namespace

BENCHMARK(BM_PreviewShown)->ArgName("sheets")->Arg(1)->Arg(100)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runBenchmarks<QApplication>(argc, argv);
}

// The card drawn by the renderer, and the picture effects.
//
// BM_Flatten/tpp_x10:150 and :24: a "Grand format" card (4762.8 x 3061.8
// twips) with a kind 4 gradient, four labels and a logo, flattened at the
// screen's 15 twips per pixel (318 x 204 pixels) and at 600 dpi (2.4 twips
// per pixel, 1985 x 1276 pixels).
// BM_Effect/kind:K: one "Palette 2D" effect on that card's screen picture.
// BM_FlattenWithQr/tpp_x10:150 and :24: the same card with a QR code of a
// whole contact (a vCard of about 300 bytes), 2 cm wide; the code's
// symbol is encoded once and kept, as on screen.
// BM_EncodeQr: encoding that contact, as a new or edited code does once.
#include "BenchMain.h"

#include "document/CardRenderer.h"
#include "document/CodeSymbol.h"

#include <QGuiApplication>
#include <QImage>

namespace {

CardData sampleCard()
{
    QImage logo(64, 48, QImage::Format_ARGB32);
    logo.fill(qRgba(30, 90, 160, 255));
    CardData card(logo);
    card.NumFond = 1;
    card.NumOption = 4;
    card.Color1 = Colors::rgb(200, 30, 40);
    card.Color2 = Colors::rgb(250, 240, 120);
    card.Color3 = Colors::rgb(20, 60, 180);
    const char *texts[4] = {"Jean Dupont", "Menuisier ébéniste", "12, quai des Bateliers", "06 12 34 56 78"};
    for (int i = 1; i <= 4; ++i) {
        CardLabel *label = card.createLabel(i);
        label->setCaption(QString::fromUtf8(texts[i - 1]));
        label->setFontName(QStringLiteral("DejaVu Serif"));
        label->setFontSize(i == 1 ? 14.f : 9.f);
        label->setFontBold(i == 1);
        label->ForeColor = Colors::rgb(20, 20, 20);
        label->Left = 1800;
        label->Top = float(300 + 600 * i);
        label->Visible = true;
    }
    card.Logo(1)->Left = 200;
    card.Logo(1)->Top = 200;
    return card;
}

void BM_Flatten(benchmark::State &state)
{
    const CardData card = sampleCard();
    const double tpp = double(state.range(0)) / 10.0;
    for (auto _ : state) {
        QImage image = CardRenderer::flatten(card, tpp);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["width_px"] = CardRenderer::flatten(card, tpp).width();
}
BENCHMARK(BM_Flatten)->ArgName("tpp_x10")->Arg(150)->Arg(24)->Unit(benchmark::kMillisecond);

// A contact as a card's QR code holds it: about 300 bytes.
const QString Contact = QString::fromUtf8(
    "BEGIN:VCARD\nVERSION:3.0\nN:Dupont;Jean;;;\nFN:Jean Dupont\nORG:Menuiserie Dupont\n"
    "TITLE:Menuisier ébéniste\nTEL;TYPE=WORK,VOICE:+33 2 98 00 00 00\nTEL;TYPE=CELL:+33 6 12 34 56 78\n"
    "EMAIL:jean.dupont@menuiserie-dupont.fr\nURL:https://www.menuiserie-dupont.fr\n"
    "ADR;TYPE=WORK:;;12\\, quai des Bateliers;;;;\nEND:VCARD");

void BM_FlattenWithQr(benchmark::State &state)
{
    CardData card = sampleCard();
    CardCode *code = card.createCode(1);
    code->content = Contact;
    code->Left = 3400;
    code->Top = 1800;
    code->Width = code->Height = 1134;
    code->Visible = true;
    const double tpp = double(state.range(0)) / 10.0;
    for (auto _ : state) {
        QImage image = CardRenderer::flatten(card, tpp);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["content_bytes"] = double(Contact.toUtf8().size());
}
BENCHMARK(BM_FlattenWithQr)->ArgName("tpp_x10")->Arg(150)->Arg(24)->Unit(benchmark::kMillisecond);

void BM_EncodeQr(benchmark::State &state)
{
    int n = 0;
    for (auto _ : state) {
        // A content never seen before each time: the symbols kept do not count.
        const CodeSymbol symbol = CodeSymbol::encode(CardCode::QR, Contact + QString::number(n++));
        benchmark::DoNotOptimize(symbol.columns());
    }
}
BENCHMARK(BM_EncodeQr)->Unit(benchmark::kMillisecond);

void BM_Effect(benchmark::State &state)
{
    const QImage card = CardRenderer::background(sampleCard(), 15);
    const int kind = int(state.range(0));
    const int amounts[8] = {0, 10, 10, 0, 255, 0, 255, 255};
    for (auto _ : state) {
        state.PauseTiming();
        QImage image = card.copy();
        state.ResumeTiming();
        ImageEffects::apply(image, {kind, amounts[kind]}, 15);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Effect)->ArgName("kind")->DenseRange(1, 7)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv);
}

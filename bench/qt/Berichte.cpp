// The printed reports at event size: laying out and writing the PDF of the standings of 1000
// players and of the run sheets of 500 games (two sheets each), and opening the standings'
// preview window (layout, every page drawn for the preview, the window shown).
#include "core/Data.h"
#include "core/Laufzettel.h"
#include "core/Paarungen.h"
#include "platform/qt/BerichtMaler.h"
#include "platform/qt/BerichtVorschau.h"
#include "reports/Laufzettelbericht.h"
#include "reports/Tabellenbericht.h"
#include "translation/Translate.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

void Turnier() {
    InitTranslator();
    InitTurnier();
    Turniername = "Herbstturnier";
    AktuellerSpieltag = 5;
    BemalungWerten = FairplayWerten = true;
    Spielerliste.clear();
    Paarungsliste.clear();
    for (int i = 1; i <= 1000; ++i) {
        auto& s = *Spielerliste.emplace_back(std::make_unique<TSpieler>());
        s.Startnummer = i;
        s.Vorname = "Spieler";
        s.Name = "Nummer " + std::to_string(i);
        s.Gesamtwertung = 2000.5 - i;
        s.Siegpunktdifferenz = 5000 - 9 * i;
        for (int r = 1; r <= 5; ++r)
            s.SetPunkte(r, (i * r) % 20);
    }
    for (int i = 1; i <= 1000; i += 2) {
        auto& p = *Paarungsliste.emplace_back(std::make_unique<TPaarung>());
        p.Nummer1 = i;
        p.Nummer2 = i + 1;
        p.Name1 = Spielerliste[i - 1]->GetNameMitNick();
        p.Name2 = Spielerliste[i]->GetNameMitNick();
        p.SetTisch((i + 1) / 2);
    }
    LaufzettelStandard();
}

TForm1& Tabelle() {
    static TForm1 form;
    static bool erzeugt = (form.FormCreate(), true);
    (void)erzeugt;
    return form;
}

TRepLaufzettel& Laufzettel() {
    static TRepLaufzettel form;
    static bool erzeugt = (form.FormCreate(), true);
    (void)erzeugt;
    return form;
}

void Layout(benchmark::State& state, const TBericht& bericht) {
    size_t seiten = 0;
    for (auto _ : state)
        seiten = bericht.Layout().size();
    state.counters["pages"] = static_cast<double>(seiten);
}

void Pdf(benchmark::State& state, const TBericht& bericht) {
    const auto datei = std::filesystem::temp_directory_path() / "tuvon_bench_bericht.pdf";
    for (auto _ : state)
        SchreibePdf(bericht.Layout(), datei);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(datei));
    std::filesystem::remove(datei);
}

void BM_TabelleLayout(benchmark::State& state) {
    Turnier();
    Layout(state, Tabelle().QRTabelle);
}

void BM_TabellePdf(benchmark::State& state) {
    Turnier();
    Pdf(state, Tabelle().QRTabelle);
}

void BM_LaufzettelLayout(benchmark::State& state) {
    Turnier();
    Layout(state, Laufzettel().QuickRep1);
}

void BM_LaufzettelPdf(benchmark::State& state) {
    Turnier();
    Pdf(state, Laufzettel().QuickRep1);
}

void BM_TabelleVorschauOeffnen(benchmark::State& state) {
    Turnier();
    for (auto _ : state) {
        TBerichtVorschau vorschau(Tabelle().QRTabelle, TabellenFormate(), {});
        vorschau.show();
        QApplication::processEvents();
    }
}

BENCHMARK(BM_TabelleLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabellePdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LaufzettelLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LaufzettelPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabelleVorschauOeffnen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

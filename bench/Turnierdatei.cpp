// Save and load of a tournament of 1000 players with 10 rounds each: the whole file command
// (file written, flushed to disk and renamed; file read and parsed) and the in-memory parts alone.
#include "core/Turnierdatei.h"
#include "core/Data.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>

namespace {

void GrossesTurnier() {
    Spielerliste.clear();
    for (int i = 1; i <= 1000; ++i) {
        auto s = std::make_unique<TSpieler>();
        s->Startnummer = i;
        s->Name = "Nachname " + std::to_string(i);
        s->Vorname = "Vorname";
        s->Nickname = "Nick";
        s->Armee = "Armee " + std::to_string(i % 17);
        s->Herkunft = "Ort " + std::to_string(i % 40);
        s->Team = "Team " + std::to_string(i % 60);
        s->Gesamtwertung = i * 0.5;
        for (int r = 1; r <= 10; ++r) {
            s->SetGegner(r, (i + r) % 1000 + 1);
            s->SetSiegpunkte(r, i * r % 2000);
            s->SetPunkte(r, r % 17);
            s->SetGegnerArmee(r, "Armee " + std::to_string(r));
            s->SetTisch(r, (i + r) % 500 + 1);
        }
        Spielerliste.push_back(std::move(s));
    }
    RundenAnzahl = 10;
}

std::filesystem::path BenchDatei() {
    return std::filesystem::temp_directory_path() / "tuvon-bench-turnier.dat";
}

void BM_SpeichereTurnier(benchmark::State& state) {
    GrossesTurnier();
    Dateiname = BenchDatei().string();
    for (auto _ : state)
        SpeichereTurnier();
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(BenchDatei()));
}
BENCHMARK(BM_SpeichereTurnier)->Unit(benchmark::kMillisecond);

void BM_LadeTurnier(benchmark::State& state) {
    GrossesTurnier();
    Dateiname = BenchDatei().string();
    SpeichereTurnier();
    for (auto _ : state)
        LadeTurnier();
    if (Spielerliste.size() != 1000)
        state.SkipWithError("the tournament did not come back whole");
}
BENCHMARK(BM_LadeTurnier)->Unit(benchmark::kMillisecond);

void BM_TurnierdateiBytes(benchmark::State& state) {
    GrossesTurnier();
    for (auto _ : state)
        benchmark::DoNotOptimize(TurnierdateiBytes());
}
BENCHMARK(BM_TurnierdateiBytes)->Unit(benchmark::kMillisecond);

void BM_LadeTurnierdateiAusSpeicher(benchmark::State& state) {
    GrossesTurnier();
    const std::string bytes = TurnierdateiBytes();
    for (auto _ : state)
        LadeTurnierdatei(bytes, "bench");
}
BENCHMARK(BM_LadeTurnierdateiAusSpeicher)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

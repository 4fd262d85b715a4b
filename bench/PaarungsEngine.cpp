// Times the pairing engine on generated tournaments of 16 to 1024 players after 5 to 8 played
// rounds, all five rules on, and the plain backtracking on the same rounds (capped).
//
//   bench_PaarungsEngine                      Google Benchmark timings of the engine, then a table
//                                             of every case with the plain search beside it
//   TUVON_PLAIN_CAP=<seconds>                 cap of the plain search per case (default 60)
//   TUVON_BENCH_SEED=<n>                      another draw of the tournaments (default 1000)
//   TUVON_BENCH_BOUND=<steps>                 another effort bound, for quick surveys
#include "core/PaarungsEngine.h"
#include "PaarungsReferenz.h"
#include "Turnierbau.h"
#include "core/Data.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace turnierbau;

namespace {

struct TStand {
    std::vector<int> partner;
    std::vector<char> gepaart;
};

TStand Merke() {
    TStand s;
    for (const auto& sp : Spielerliste) {
        s.partner.push_back(sp->Partner);
        s.gepaart.push_back(sp->Gepaart);
    }
    return s;
}

void Setze(const TStand& s) {
    for (size_t k = 0; k < Spielerliste.size(); ++k) {
        Spielerliste[k]->Partner = s.partner[k];
        Spielerliste[k]->Gepaart = s.gepaart[k];
    }
    for (int& v : Verstoesse)
        v = 0;
}

std::string Toleranztext(const TFall& fall) {
    std::string t;
    for (const int x : fall.toleranzen)
        t += std::to_string(x);
    return t;
}

std::string Fallname(const TFall& fall) {
    return std::to_string(fall.spieler) + "p/" + std::to_string(fall.runden) + "r/tol" +
           Toleranztext(fall) + "/" + Name(fall.art);
}

struct TVorbereitet {
    TFall fall;
    TRunde runde;
};

// The prepared rounds are kept aside and put back before each measurement.
std::vector<TVorbereitet> Vorbereitet;

void Engine(benchmark::State& state, size_t index) {
    Lade(Vorbereitet[index].runde);
    const TStand start = Merke();
    bool gefunden = false;
    for (auto _ : state) {
        Setze(start);
        gefunden = PaareRekursiv(ErsterFreier());
        benchmark::DoNotOptimize(gefunden);
    }
    state.SetLabel(gefunden ? "found" : PaarungsSucheAbgebrochen ? "bound" : "impossible");
    state.counters["steps"] = static_cast<double>(PaarungsSuchaufwand);
}

double Sekunden(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

void Tabelle(double kappe) {
    std::printf("\n%-8s %-7s %-11s %-9s %-11s %12s %14s %14s\n", "players", "rounds", "tolerances",
                "case", "result", "steps", "engine ms", "plain ms");
    for (const TVorbereitet& v : Vorbereitet) {
        Lade(v.runde);
        const TStand start = Merke();
        auto t0 = std::chrono::steady_clock::now();
        const bool gefunden = PaareRekursiv(ErsterFreier());
        const double engine = Sekunden(std::chrono::steady_clock::now() - t0);
        const char* ergebnis = gefunden                   ? "found"
                               : PaarungsSucheAbgebrochen ? "bound"
                                                          : "impossible";
        const long long schritte = PaarungsSuchaufwand;
        std::vector<int> partner;
        for (const auto& s : Spielerliste)
            partner.push_back(s->Partner);

        Setze(start);
        t0 = std::chrono::steady_clock::now();
        const auto ende = t0 + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                   std::chrono::duration<double>(kappe));
        long zaehler = 0;
        const auto plain = ReferenzPaareRekursiv(ErsterFreier(), [&] {
            return ++zaehler % 4096 == 0 && std::chrono::steady_clock::now() > ende;
        });
        const double plainZeit = Sekunden(std::chrono::steady_clock::now() - t0);
        char zeit[32];
        std::snprintf(zeit, sizeof zeit, "%.3f", plainZeit * 1000.0);
        std::string plainText = plain == TReferenzErgebnis::Abgebrochen ? "cap" : zeit;
        if (plain != TReferenzErgebnis::Abgebrochen) {
            bool gleich = (plain == TReferenzErgebnis::Gefunden) == gefunden;
            for (size_t k = 0; gleich && gefunden && k < Spielerliste.size(); ++k)
                gleich = Spielerliste[k]->Partner == partner[k];
            if (!gleich)
                plainText += " DIFFERS";
        }
        std::printf("%-8d %-7d %-11s %-9s %-11s %12lld %14.3f %14s\n", v.fall.spieler,
                    v.fall.runden, Toleranztext(v.fall).c_str(), Name(v.fall.art), ergebnis,
                    schritte, engine * 1000.0, plainText.c_str());
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const char* saatText = std::getenv("TUVON_BENCH_SEED");
    const unsigned saat = saatText ? static_cast<unsigned>(std::atoi(saatText)) : 1000u;
    if (const char* grenze = std::getenv("TUVON_BENCH_BOUND"))
        PaarungsSuchgrenze = std::atoll(grenze);
    const double kappe =
        std::getenv("TUVON_PLAIN_CAP") ? std::atof(std::getenv("TUVON_PLAIN_CAP")) : 60.0;
    const std::vector<std::pair<int, int>> groessen = {{16, 5}, {64, 6}, {256, 7}, {1024, 8}};
    const std::vector<std::vector<int>> toleranzen = {
        {0, 0, 0, 0, 0}, {1, 2, 0, 1, 2}, {2, 2, 2, 2, 2}};
    for (const auto& [spieler, runden] : groessen)
        for (const auto& tol : toleranzen)
            for (TArt art :
                 {TArt::Normal, TArt::HalbesTeam, TArt::GrossesTeam, TArt::GrosseArmee}) {
                const TFall fall{spieler, runden, tol, art};
                if (!BaueTurnier(fall, saat + static_cast<unsigned>(spieler))) {
                    std::fprintf(stderr, "%s: history could not be paired\n",
                                 Fallname(fall).c_str());
                    continue;
                }
                Vorbereitet.push_back({fall, Halte()});
            }
    for (size_t k = 0; k < Vorbereitet.size(); ++k)
        benchmark::RegisterBenchmark(Fallname(Vorbereitet[k].fall).c_str(), Engine, k)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.2);
    benchmark::RunSpecifiedBenchmarks();
    Tabelle(kappe);
    benchmark::Shutdown();
    return 0;
}

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
#include "core/Data.h"
#include "core/Siegpunktmatrix.h"
#include "core/Wertung.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// What is done to the field before the measured round.
enum class TArt {
    Normal,      // the field as the rounds left it
    HalbesTeam,  // one team holds exactly half the field: solvable, but only one way round
    GrossesTeam, // one team holds half the field and three more: no pairing within tolerance 2
    GrosseArmee, // three fifths play one army: no pairing within tolerance 2
};

const char* Name(TArt art) {
    switch (art) {
    case TArt::Normal:
        return "normal";
    case TArt::HalbesTeam:
        return "team=1/2";
    case TArt::GrossesTeam:
        return "team>1/2";
    case TArt::GrosseArmee:
        return "army=3/5";
    }
    return "";
}

struct TFall {
    int spieler;
    int runden;
    std::vector<int> toleranzen;
    TArt art;
};

// Armies by how often they are played; a few are popular.
const std::vector<std::pair<std::string, int>> Armeen = {
    {"Imperium", 14}, {"Orks", 12},  {"Elfen", 10},      {"Zwerge", 9},   {"Untote", 8},
    {"Chaos", 7},     {"Echsen", 6}, {"Dunkelelfen", 5}, {"Bretonen", 4}, {"Skaven", 3},
    {"Oger", 3},      {"Khemri", 2}, {"Kislev", 2},      {"Hochelfen", 1}};

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

int ErsterFreier() {
    for (size_t k = 0; k < Spielerliste.size(); ++k)
        if (!Spielerliste[k]->Gepaart)
            return static_cast<int>(k);
    return -1;
}

// Scores, orders and marks the bye, as the pairing dialog does before the search.
void BereiteRundeVor(int runde) {
    AktuellerSpieltag = runde;
    BerechneWertung(runde, false, false, true, false, false, false, false);
    VorbereitenPaarung();
    int frei = 0;
    for (const auto& s : Spielerliste)
        frei += s->Gepaart ? 0 : 1;
    if (frei % 2 == 1)
        for (auto it = Spielerliste.rbegin(); it != Spielerliste.rend(); ++it)
            if (!(*it)->Gepaart) {
                (*it)->Gepaart = true;
                break;
            }
}

// Plays a round paired by the engine: opponents, armies met, victory points and points.
void SpieleRunde(int runde, std::mt19937_64& g) {
    for (const auto& s : Spielerliste) {
        if (s->Partner < 0) {
            s->SetGegner(runde, s->Startnummer);
            s->SetGegnerArmee(runde, s->Armee);
        }
    }
    for (size_t k = 0; k < Spielerliste.size(); ++k) {
        TSpieler& a = *Spielerliste[k];
        if (a.Partner <= static_cast<int>(k))
            continue;
        TSpieler& b = *Spielerliste[static_cast<size_t>(a.Partner)];
        a.SetGegner(runde, b.Startnummer);
        b.SetGegner(runde, a.Startnummer);
        a.SetGegnerArmee(runde, b.Armee);
        b.SetGegnerArmee(runde, a.Armee);
        const int sa = static_cast<int>(g() % 2500), sb = static_cast<int>(g() % 2500);
        int sieger = 0, verlierer = 0;
        SiegpunkteZuPunkten(std::abs(sa - sb), sieger, verlierer);
        a.SetSiegpunkte(runde, sa);
        b.SetSiegpunkte(runde, sb);
        a.SetPunkte(runde, sa >= sb ? sieger : verlierer);
        b.SetPunkte(runde, sa >= sb ? verlierer : sieger);
    }
}

// Builds the tournament of a case up to the measured round and leaves it prepared for the
// search; false when the history could not be paired at all.
bool BaueTurnier(const TFall& fall, std::uint64_t saat) {
    std::mt19937_64 g(saat);
    Spielerliste.clear();
    InitTurnier();
    for (auto* liste : {&OrteNeutral, &TeamsNeutral, &ArmeenNeutral})
        liste->clear();
    int gewichte = 0;
    for (const auto& a : Armeen)
        gewichte += a.second;
    const int orte = std::max(3, fall.spieler / 8);
    const int teams = std::max(2, fall.spieler / 6);
    for (int k = 0; k < fall.spieler; ++k) {
        Spielerliste.push_back(std::make_unique<TSpieler>());
        TSpieler& s = *Spielerliste.back();
        s.Startnummer = k + 1;
        s.Name = "Spieler " + std::to_string(k + 1);
        int w = static_cast<int>(g() % static_cast<std::uint64_t>(gewichte));
        for (const auto& a : Armeen) {
            if (w < a.second) {
                s.Armee = a.first;
                break;
            }
            w -= a.second;
        }
        s.Herkunft = g() % 5 == 0 ? "Neutral" : "Ort " + std::to_string(g() % orte);
        s.Team = g() % 2 == 0 ? "Neutral" : "Team " + std::to_string(g() % teams);
        s.Armeebewertung = static_cast<int>(g() % 20);
    }
    // The history: each round paired by the engine under the rules, loosened as an organiser
    // would when a round cannot be paired.
    for (int runde = 1; runde <= fall.runden; ++runde) {
        bool gepaart = false;
        for (int lockerung = 0; lockerung <= 6 && !gepaart; ++lockerung) {
            for (int& t : Toleranzen)
                t = lockerung;
            BereiteRundeVor(runde);
            gepaart = ErsterFreier() < 0 || PaareRekursiv(ErsterFreier());
        }
        if (!gepaart)
            return false;
        SpieleRunde(runde, g);
    }

    std::vector<int> reihe(static_cast<size_t>(fall.spieler));
    for (int k = 0; k < fall.spieler; ++k)
        reihe[static_cast<size_t>(k)] = k;
    std::shuffle(reihe.begin(), reihe.end(), g);
    auto gib = [&](int anzahl, auto setze) {
        for (int k = 0; k < anzahl; ++k)
            setze(*Spielerliste[static_cast<size_t>(reihe[static_cast<size_t>(k)])]);
    };
    switch (fall.art) {
    case TArt::Normal:
        break;
    case TArt::HalbesTeam:
        gib(fall.spieler / 2, [](TSpieler& s) { s.Team = "Grossteam"; });
        break;
    case TArt::GrossesTeam:
        gib(fall.spieler / 2 + 3, [](TSpieler& s) { s.Team = "Grossteam"; });
        break;
    case TArt::GrosseArmee:
        gib(fall.spieler * 3 / 5, [](TSpieler& s) { s.Armee = "Orks"; });
        break;
    }
    for (int k = 0; k < 5; ++k)
        Toleranzen[k] = fall.toleranzen[static_cast<size_t>(k)];
    BereiteRundeVor(fall.runden + 1);
    return true;
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
    std::vector<std::unique_ptr<TSpieler>> spieler;
    int spieltag = 1;
    int toleranzen[5] = {};
};

// The prepared rounds are kept aside and put back before each measurement.
std::vector<TVorbereitet> Vorbereitet;

void Lade(const TVorbereitet& v) {
    Spielerliste.clear();
    for (const auto& s : v.spieler) {
        auto kopie = std::make_unique<TSpieler>();
        *kopie = TSpieler();
        kopie->Startnummer = s->Startnummer;
        kopie->Armee = s->Armee;
        kopie->PaarungsArmee = s->PaarungsArmee;
        kopie->PaarungsHerkunft = s->PaarungsHerkunft;
        kopie->PaarungsTeam = s->PaarungsTeam;
        kopie->Gruppe = s->Gruppe;
        kopie->Gepaart = s->Gepaart;
        kopie->Geloescht = s->Geloescht;
        kopie->Partner = s->Partner;
        kopie->Platz = s->Platz;
        for (const auto& r : s->Runden)
            kopie->Runden.push_back(std::make_unique<TRundenErgebnis>(*r));
        Spielerliste.push_back(std::move(kopie));
    }
    AktuellerSpieltag = v.spieltag;
    for (int k = 0; k < 5; ++k)
        Toleranzen[k] = v.toleranzen[k];
    for (int& x : Verstoesse)
        x = 0;
}

void Engine(benchmark::State& state, size_t index) {
    Lade(Vorbereitet[index]);
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
        Lade(v);
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
    InitSiegpunktmatrix();
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
                TVorbereitet v{fall, {}, AktuellerSpieltag, {}};
                v.spieler = std::move(Spielerliste);
                for (int k = 0; k < 5; ++k)
                    v.toleranzen[k] = Toleranzen[k];
                Vorbereitet.push_back(std::move(v));
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

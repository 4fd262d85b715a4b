// The pairing engine on random small fields of the sizes real events have: 8 to 40 players, all
// five rules on, 1 to 6 earlier rounds, tolerances drawn per rule from 0 to 2 (and, in a second
// set, from 0 to 9). Each field is decided once by the engine and once by the plain backtracking
// (capped); where the plain search finishes, the two pairings are compared.
//
//   bench_PaarungsFelder                 the survey, then the slowest ten and the summary
//   TUVON_BENCH_SEED=<n>                 another draw (default 1000)
//   TUVON_SURVEY_FIELDS=<n>              fields with tolerances 0 to 2 (default 20000)
//   TUVON_SURVEY_WIDE=<n>                fields with tolerances 0 to 9 (default 2000)
//   TUVON_SURVEY_FROM=<k>                skip the first k fields of each set (to split a run)
//   TUVON_PLAIN_CAP=<ms>                 cap of the plain search per field (default 20)
//   TUVON_PLAIN_SLOW_CAP=<s>             cap of the plain search on the slowest ten (default 0:
//                                        not run)
//   TUVON_SURVEY_SHOW=<ms>               also list the fields whose plain search took longer
//   TUVON_BENCH_BOUND=<steps>            another effort bound
#include "PaarungsReferenz.h"
#include "Turnierbau.h"
#include "core/Data.h"
#include "core/PaarungsEngine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace turnierbau;

namespace {

using Uhr = std::chrono::steady_clock;

struct TMessung {
    TFall fall;
    int feld = 0;
    int hoechste = 0;
    const char* ergebnis = "";
    long long schritte = 0;
    double engineMs = 0;
    double plainMs = -1; // -1: capped
    bool verschieden = false;
};

long Zahl(const char* name, long vorgabe) {
    const char* text = std::getenv(name);
    return text ? std::atol(text) : vorgabe;
}

double Ms(Uhr::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

std::string Toleranztext(const TFall& fall) {
    std::string t;
    for (const int x : fall.toleranzen)
        t += std::to_string(x);
    return t;
}

// Runs the plain search from the prepared round for at most kappeMs; -1 when capped. Compares
// its pairing with the engine's partners.
double Plain(const TRunde& runde, double kappeMs, bool gefunden, const std::vector<int>& partner,
             bool& verschieden) {
    Lade(runde);
    const auto t0 = Uhr::now();
    const auto ende = t0 + std::chrono::duration_cast<Uhr::duration>(
                               std::chrono::duration<double, std::milli>(kappeMs));
    long zaehler = 0;
    const int start = ErsterFreier();
    const auto plain = start < 0 ? TReferenzErgebnis::Gefunden : ReferenzPaareRekursiv(start, [&] {
        return ++zaehler % 1024 == 0 && Uhr::now() > ende;
    });
    const double ms = Ms(Uhr::now() - t0);
    if (plain == TReferenzErgebnis::Abgebrochen)
        return -1;
    verschieden = (plain == TReferenzErgebnis::Gefunden) != gefunden;
    for (size_t k = 0; !verschieden && gefunden && k < Spielerliste.size(); ++k)
        verschieden = Spielerliste[k]->Partner != partner[k];
    return ms;
}

TMessung Miss(std::uint64_t saat, int feld, int hoechste, double kappeMs, TRunde& runde,
              bool& gebaut) {
    TMessung m;
    m.fall = KleinesFeld(saat, feld, hoechste);
    m.feld = feld;
    m.hoechste = hoechste;
    gebaut = BaueKleinesFeld(saat, feld, hoechste);
    if (!gebaut)
        return m;
    runde = Halte();
    Lade(runde);
    const auto t0 = Uhr::now();
    const int start = ErsterFreier();
    const bool gefunden = start < 0 || PaareRekursiv(start);
    m.engineMs = Ms(Uhr::now() - t0);
    m.ergebnis = gefunden ? "found" : PaarungsSucheAbgebrochen ? "bound" : "impossible";
    m.schritte = PaarungsSuchaufwand;
    std::vector<int> partner;
    for (const auto& s : Spielerliste)
        partner.push_back(s->Partner);
    if (kappeMs > 0)
        m.plainMs = Plain(runde, kappeMs, gefunden, partner, m.verschieden);
    return m;
}

void Zeile(const TMessung& m) {
    char plain[32];
    if (m.plainMs < 0)
        std::snprintf(plain, sizeof plain, "cap");
    else
        std::snprintf(plain, sizeof plain, "%.3f", m.plainMs);
    std::printf("%-6d %-5d %-8d %-7d %-6s %-11s %12lld %12.3f %14s%s\n", m.hoechste, m.feld,
                m.fall.spieler, m.fall.runden, Toleranztext(m.fall).c_str(), m.ergebnis, m.schritte,
                m.engineMs, plain, m.verschieden ? " DIFFERS" : "");
}

void Kopf() {
    std::printf("%-6s %-5s %-8s %-7s %-6s %-11s %12s %12s %14s\n", "set", "field", "players",
                "rounds", "tol", "result", "steps", "engine ms", "plain ms");
}

} // namespace

int main() {
    const auto saat = static_cast<std::uint64_t>(Zahl("TUVON_BENCH_SEED", 1000));
    if (std::getenv("TUVON_BENCH_BOUND"))
        PaarungsSuchgrenze = Zahl("TUVON_BENCH_BOUND", 0);
    const int ab = static_cast<int>(Zahl("TUVON_SURVEY_FROM", 0));
    const double kappeMs = static_cast<double>(Zahl("TUVON_PLAIN_CAP", 20));
    const double zeigen = static_cast<double>(Zahl("TUVON_SURVEY_SHOW", -1));
    const double langeKappe = static_cast<double>(Zahl("TUVON_PLAIN_SLOW_CAP", 0)) * 1000.0;
    const std::vector<std::pair<int, int>> saetze = {
        {2, static_cast<int>(Zahl("TUVON_SURVEY_FIELDS", 20000))},
        {9, static_cast<int>(Zahl("TUVON_SURVEY_WIDE", 2000))}};

    std::vector<TMessung> alle;
    int ohneGeschichte = 0;
    Kopf();
    for (const auto& [hoechste, anzahl] : saetze)
        for (int feld = ab; feld < anzahl; ++feld) {
            TRunde runde;
            bool gebaut = false;
            const TMessung m = Miss(saat, feld, hoechste, kappeMs, runde, gebaut);
            if (!gebaut) {
                ++ohneGeschichte;
                continue;
            }
            if (m.engineMs > 100 || m.verschieden || std::string(m.ergebnis) == "bound" ||
                (zeigen >= 0 && m.plainMs > zeigen))
                Zeile(m);
            std::fflush(stdout);
            alle.push_back(m);
        }
    if (alle.empty())
        return 0;

    std::vector<TMessung> sortiert = alle;
    std::sort(sortiert.begin(), sortiert.end(),
              [](const TMessung& a, const TMessung& b) { return a.engineMs > b.engineMs; });
    std::printf("\nslowest ten%s:\n", langeKappe > 0 ? " (plain search with the long cap)" : "");
    Kopf();
    for (size_t k = 0; k < std::min<size_t>(10, sortiert.size()); ++k) {
        TMessung m = sortiert[k];
        if (langeKappe > 0) {
            TRunde runde;
            bool gebaut = false;
            m = Miss(saat, m.feld, m.hoechste, langeKappe, runde, gebaut);
        }
        Zeile(m);
    }

    for (const int hoechste : {2, 9}) {
        std::vector<double> zeiten;
        int ueber100 = 0, ueber1000 = 0, grenze = 0, verschieden = 0, plainFertig = 0,
            ueberDoppelt = 0, gefunden = 0;
        double schlimmstesVerhaeltnis = 0;
        for (const TMessung& m : alle) {
            if (m.hoechste != hoechste)
                continue;
            zeiten.push_back(m.engineMs);
            ueber100 += m.engineMs > 100;
            ueber1000 += m.engineMs > 1000;
            grenze += std::string(m.ergebnis) == "bound";
            gefunden += std::string(m.ergebnis) == "found";
            verschieden += m.verschieden;
            if (m.plainMs >= 0) {
                ++plainFertig;
                // Below a tenth of a millisecond the clock's own cost dominates.
                const double verhaeltnis = m.engineMs / std::max(m.plainMs, 0.1);
                ueberDoppelt += verhaeltnis > 2;
                schlimmstesVerhaeltnis = std::max(schlimmstesVerhaeltnis, verhaeltnis);
            }
        }
        if (zeiten.empty())
            continue;
        std::sort(zeiten.begin(), zeiten.end());
        std::printf(
            "\ntolerances 0..%d: %zu fields (%d paired), median %.3f ms, p99 %.3f ms, max %.3f ms, "
            "over 100 ms %d, over 1 s %d, stopped by the bound %d\n",
            hoechste, zeiten.size(), gefunden, zeiten[zeiten.size() / 2],
            zeiten[zeiten.size() * 99 / 100], zeiten.back(), ueber100, ueber1000, grenze);
        std::printf("  plain search within %.0f ms on %d fields: pairing differs on %d; engine "
                    "over twice the plain time (at least 0.1 ms) on %d, worst ratio %.1f\n",
                    kappeMs, plainFertig, verschieden, ueberDoppelt, schlimmstesVerhaeltnis);
    }
    std::printf("fields whose history could not be paired: %d\n", ohneGeschichte);
    return 0;
}

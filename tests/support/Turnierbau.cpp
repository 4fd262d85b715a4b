#include "Turnierbau.h"

#include "core/Data.h"
#include "core/PaarungsEngine.h"
#include "core/Siegpunktmatrix.h"
#include "core/Wertung.h"

#include <algorithm>
#include <random>
#include <string>

namespace turnierbau {

namespace {

// Armies by how often they are played; a few are popular.
const std::vector<std::pair<std::string, int>> Armeen = {
    {"Imperium", 14}, {"Orks", 12},  {"Elfen", 10},      {"Zwerge", 9},   {"Untote", 8},
    {"Chaos", 7},     {"Echsen", 6}, {"Dunkelelfen", 5}, {"Bretonen", 4}, {"Skaven", 3},
    {"Oger", 3},      {"Khemri", 2}, {"Kislev", 2},      {"Hochelfen", 1}};

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

} // namespace

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

bool BaueTurnier(const TFall& fall, std::uint64_t saat) {
    std::mt19937_64 g(saat);
    Spielerliste.clear();
    InitTurnier();
    InitSiegpunktmatrix();
    for (auto* liste : {&OrteNeutral, &TeamsNeutral, &ArmeenNeutral})
        liste->clear();
    const size_t armeen = fall.armeen > 0 ? static_cast<size_t>(fall.armeen) : Armeen.size();
    int gewichte = 0;
    for (size_t a = 0; a < armeen; ++a)
        gewichte += Armeen[a].second;
    const int orte = fall.orte > 0 ? fall.orte : std::max(3, fall.spieler / 8);
    const int teams = fall.teams > 0 ? fall.teams : std::max(2, fall.spieler / 6);
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

TFall KleinesFeld(std::uint64_t saat, int k, int hoechsteToleranz) {
    std::mt19937_64 g(saat * 1'000'003u + static_cast<std::uint64_t>(k));
    TFall fall{8 + static_cast<int>(g() % 33), 1 + static_cast<int>(g() % 6), {}, TArt::Normal};
    fall.armeen = 3 + static_cast<int>(g() % 12);
    fall.orte = 2 + static_cast<int>(g() % static_cast<std::uint64_t>(fall.spieler / 4 - 1));
    fall.teams = 2 + static_cast<int>(g() % static_cast<std::uint64_t>(fall.spieler / 4 - 1));
    for (int r = 0; r < 5; ++r)
        fall.toleranzen.push_back(
            static_cast<int>(g() % static_cast<std::uint64_t>(hoechsteToleranz + 1)));
    return fall;
}

bool BaueKleinesFeld(std::uint64_t saat, int k, int hoechsteToleranz) {
    return BaueTurnier(KleinesFeld(saat, k, hoechsteToleranz),
                       saat + static_cast<std::uint64_t>(k) * 7919u + 17u);
}

TRunde Halte() {
    TRunde runde;
    runde.spieler = std::move(Spielerliste);
    Spielerliste.clear();
    runde.spieltag = AktuellerSpieltag;
    for (int k = 0; k < 5; ++k)
        runde.toleranzen[k] = Toleranzen[k];
    return runde;
}

void Lade(const TRunde& runde) {
    Spielerliste.clear();
    for (const auto& s : runde.spieler) {
        auto kopie = std::make_unique<TSpieler>();
        kopie->Startnummer = s->Startnummer;
        kopie->Name = s->Name;
        kopie->Armee = s->Armee;
        kopie->Herkunft = s->Herkunft;
        kopie->Team = s->Team;
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
    AktuellerSpieltag = runde.spieltag;
    for (int k = 0; k < 5; ++k)
        Toleranzen[k] = runde.toleranzen[k];
    for (int& x : Verstoesse)
        x = 0;
}

int ErsterFreier() {
    for (size_t k = 0; k < Spielerliste.size(); ++k)
        if (!Spielerliste[k]->Gepaart)
            return static_cast<int>(k);
    return -1;
}

} // namespace turnierbau

#pragma once
// Generated pairing rounds for the tests that compare the engine with the plain search, and the
// state both leave behind.
#include "CoreState.h"
#include "core/Data.h"
#include "core/PaarungsEngine.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace generiert {

class Zufall {
public:
    explicit Zufall(std::uint64_t saat) : g_(saat) {}
    int Bis(int n) { return static_cast<int>(g_() % static_cast<std::uint64_t>(n)); }
    bool Prozent(int p) { return Bis(100) < p; }
    template <class T> const T& Aus(const std::vector<T>& v) {
        return v[static_cast<size_t>(Bis(static_cast<int>(v.size())))];
    }

private:
    std::mt19937_64 g_;
};

inline const std::vector<std::string> Armeen = {"Orks",    "Elfen",     "Zwerge", "Untote",
                                                "Neutral", " Neutral ", ""};
inline const std::vector<std::string> Orte = {"Halven", "Brem", "Neutral", "neutral", "Osterholz"};
inline const std::vector<std::string> Teams = {"Rot", "Blau", "Neutral", "Gelb", "rot"};

inline std::string AndereSchreibung(Zufall& z, std::string text) {
    for (char& c : text)
        if (z.Prozent(50) && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

inline std::vector<std::string> TeilVon(Zufall& z, const std::vector<std::string>& pool,
                                        int anzahl) {
    std::vector<std::string> liste;
    for (int k = 0; k < anzahl; ++k)
        liste.push_back(AndereSchreibung(z, z.Aus(pool)));
    return liste;
}

// A prepared round as the pairing dialog leaves it before the search: options, players with
// histories, working fields, fixed pairs and the bye mark.
inline void ErzeugeRunde(Zufall& z) {
    ResetCoreState();
    const int n = 2 + z.Bis(19);
    AktuellerSpieltag = 1 + z.Bis(6);
    bool* flags[] = {&GleicheArmeenBeachten, &KeinePaarungenMehrfach, &GleicheOrteBeachten,
                     &NurNMalGegenArmee, &GleicheTeamsBeachten};
    for (int k = 0; k < 5; ++k) {
        *flags[k] = z.Prozent(75);
        Toleranzen[k] = z.Prozent(50) ? 0 : z.Bis(4);
    }
    MalGegenSelbeArmee = z.Bis(4);
    GruppenBeachten = z.Prozent(20);
    ArmeenNeutral = TeilVon(z, Armeen, z.Bis(3));
    OrteNeutral = TeilVon(z, Orte, z.Bis(3));
    TeamsNeutral = TeilVon(z, Teams, z.Bis(2));

    const int armeen = 1 + z.Bis(static_cast<int>(Armeen.size()));
    for (int k = 0; k < n; ++k) {
        Spielerliste.push_back(std::make_unique<TSpieler>());
        TSpieler& s = *Spielerliste.back();
        s.Startnummer = k + 1;
        s.Armee = Armeen[static_cast<size_t>(z.Bis(armeen))];
        s.Herkunft = z.Aus(Orte);
        s.Team = z.Aus(Teams);
        s.Gruppe = GruppenBeachten ? z.Bis(2) : z.Bis(3);
        s.Geloescht = z.Prozent(8);
        s.Gesamtwertung = z.Bis(40);
        s.Siegpunktdifferenz = z.Bis(1000);
    }
    // Earlier rounds: mostly real games, some byes, unpaired rounds, unknown opponents and
    // rounds never stored.
    for (int r = 1; r < AktuellerSpieltag; ++r) {
        std::vector<int> reihe(static_cast<size_t>(n));
        for (int k = 0; k < n; ++k)
            reihe[static_cast<size_t>(k)] = k;
        std::shuffle(reihe.begin(), reihe.end(),
                     std::mt19937(static_cast<unsigned>(z.Bis(1 << 30))));
        for (size_t k = 0; k + 1 < reihe.size(); k += 2) {
            TSpieler& a = *Spielerliste[static_cast<size_t>(reihe[k])];
            TSpieler& b = *Spielerliste[static_cast<size_t>(reihe[k + 1])];
            a.SetGegner(r, b.Startnummer);
            b.SetGegner(r, a.Startnummer);
            a.SetGegnerArmee(r, b.Armee);
            b.SetGegnerArmee(r, a.Armee);
        }
        for (const auto& s : Spielerliste) {
            if (s->GetRundenAnzahl() < r || z.Prozent(5))
                s->SetGegner(r, s->Startnummer);
            if (z.Prozent(3))
                s->SetGegner(r, z.Prozent(50) ? -1 : 999);
        }
    }
    for (const auto& s : Spielerliste)
        if (z.Prozent(10))
            s->Runden.resize(static_cast<size_t>(z.Bis(s->GetRundenAnzahl() + 1)));

    VorbereitenPaarung();

    std::vector<int> frei;
    for (int k = 0; k < n; ++k)
        if (!Spielerliste[static_cast<size_t>(k)]->Gepaart)
            frei.push_back(k);
    const int feste = z.Prozent(30) ? 1 + z.Bis(2) : 0;
    for (int f = 0; f < feste && frei.size() >= 2; ++f) {
        const int a = frei[static_cast<size_t>(z.Bis(static_cast<int>(frei.size())))];
        std::erase(frei, a);
        const int b = frei[static_cast<size_t>(z.Bis(static_cast<int>(frei.size())))];
        std::erase(frei, b);
        Spielerliste[static_cast<size_t>(a)]->Gepaart = true;
        Spielerliste[static_cast<size_t>(a)]->Partner = b;
        Spielerliste[static_cast<size_t>(b)]->Gepaart = true;
        Spielerliste[static_cast<size_t>(b)]->Partner = a;
    }
    // The bye; an odd rest stays now and then, on small fields only, where the plain search
    // still ends soon.
    if (frei.size() % 2 == 1 && (frei.size() > 9 || z.Prozent(80)))
        Spielerliste[static_cast<size_t>(frei.back())]->Gepaart = true;
    if (z.Prozent(5))
        Verstoesse[z.Bis(5)] = z.Bis(3);
}

struct TStand {
    bool gefunden = false;
    int verstoesse[5] = {};
    int paarVerstoesse[5] = {};
    std::vector<int> partner;
    std::vector<bool> gepaart;
};

inline TStand Stand(bool gefunden) {
    TStand s;
    s.gefunden = gefunden;
    for (int k = 0; k < 5; ++k) {
        s.verstoesse[k] = Verstoesse[k];
        s.paarVerstoesse[k] = PaarVerstoesse[k];
    }
    for (const auto& sp : Spielerliste) {
        s.partner.push_back(sp->Partner);
        s.gepaart.push_back(sp->Gepaart);
    }
    return s;
}

inline void Setze(const TStand& s) {
    for (int k = 0; k < 5; ++k)
        Verstoesse[k] = s.verstoesse[k];
    for (size_t k = 0; k < Spielerliste.size(); ++k) {
        Spielerliste[k]->Partner = s.partner[k];
        Spielerliste[k]->Gepaart = s.gepaart[k];
    }
}

inline std::string Beschreibe(const TStand& s) {
    std::string t = s.gefunden ? "found;" : "failed;";
    for (int k = 0; k < 5; ++k)
        t += " " + std::to_string(s.verstoesse[k]);
    t += "; partners";
    for (size_t k = 0; k < s.partner.size(); ++k)
        t += " " + std::to_string(s.partner[k]) + (s.gepaart[k] ? "*" : "");
    if (s.gefunden) {
        t += "; last pair";
        for (int k = 0; k < 5; ++k)
            t += " " + std::to_string(s.paarVerstoesse[k]);
    }
    return t;
}

// The first unmarked player, or a random index now and then (and when every player is marked).
inline int Startindex(Zufall& z) {
    const int n = static_cast<int>(Spielerliste.size());
    int start = 0;
    while (start < n && Spielerliste[static_cast<size_t>(start)]->Gepaart)
        ++start;
    if (start == n || z.Prozent(5))
        start = z.Bis(n);
    return start;
}

} // namespace generiert

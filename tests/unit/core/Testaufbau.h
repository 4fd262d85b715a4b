#pragma once
// Builds players and table groups for the scoring, pairing-list and table tests.
#include "core/Data.h"
#include "core/Tische.h"

#include <string>

namespace testaufbau {

// Appends a player with that start number and surname to Spielerliste.
inline TSpieler& NeuerSpieler(int nummer, const std::string& name = "") {
    Spielerliste.push_back(std::make_unique<TSpieler>());
    TSpieler& s = *Spielerliste.back();
    s.Startnummer = nummer;
    s.Name = name.empty() ? "S" + std::to_string(nummer) : name;
    return s;
}

// Records a game of round r between a and b with their victory points, points and tables.
inline void Spiel(TSpieler& a, TSpieler& b, int r, int siegA, int siegB, int punkteA = 0,
                  int punkteB = 0, int tisch = 0) {
    a.SetGegner(r, b.Startnummer);
    b.SetGegner(r, a.Startnummer);
    a.SetGegnerArmee(r, b.Armee);
    b.SetGegnerArmee(r, a.Armee);
    a.SetSiegpunkte(r, siegA);
    b.SetSiegpunkte(r, siegB);
    a.SetPunkte(r, punkteA);
    b.SetPunkte(r, punkteB);
    a.SetTisch(r, tisch);
    b.SetTisch(r, tisch);
}

inline void NeueTischgruppe(const std::string& name, int erster, int letzter) {
    Tischgruppen.push_back(std::make_unique<TTischgruppe>());
    Tischgruppen.back()->Name = name;
    Tischgruppen.back()->ErsterTisch = erster;
    Tischgruppen.back()->LetzterTisch = letzter;
}

} // namespace testaufbau

#include "Serverturnier.h"

#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"
#include "platform/Cp1252.h"

#include <array>

namespace {

TSpieler& Neu(int nummer, const char* vorname, const std::string& name, const char* nick = "") {
    Spielerliste.push_back(std::make_unique<TSpieler>());
    TSpieler& s = *Spielerliste.back();
    s.Startnummer = nummer;
    s.Vorname = vorname;
    s.Name = name;
    s.Nickname = nick;
    return s;
}

void Spiel(TSpieler& a, TSpieler& b, int tisch) {
    a.SetGegner(2, b.Startnummer);
    b.SetGegner(2, a.Startnummer);
    a.SetTisch(2, tisch);
    b.SetTisch(2, tisch);
}

} // namespace

void BaueServerturnier() {
    TSpieler& anna = Neu(1, "Anna", "Alt", "Ace");
    TSpieler& bernd = Neu(2, "Bernd", Utf8ToCp1252("Bär"));
    TSpieler& carl = Neu(3, "Carl", "Cox");
    TSpieler& dora = Neu(4, "Dora", "Dahl");
    TSpieler& emil = Neu(5, "Emil", "Ernst");
    Neu(6, "Fritz", "Fink");
    Spiel(bernd, carl, 1);
    Spiel(anna, dora, 2);
    anna.SetSiegpunkte(2, 1200);
    dora.SetSiegpunkte(2, 800);
    anna.SetPunkte(2, 12);
    dora.SetPunkte(2, 4);
    anna.SetFairplay(2, 3);
    dora.SetFairplay(2, 1);
    anna.SetSzenariopunkte(2, 2);
    emil.SetGegner(2, 5);
    AktuellerSpieltag = 2;
    ErstellePaarungsliste();
}

void SetzeDreiZeilenMatrix() {
    Siegpunktmatrix.clear();
    for (auto [von, bis, sieger, verlierer] :
         {std::array{0, 99, 10, 6}, std::array{100, 499, 13, 3}, std::array{500, 100000, 16, 0}}) {
        auto zeile = std::make_unique<TSiegIntervall>();
        zeile->Von = von;
        zeile->Bis = bis;
        zeile->Sieger = sieger;
        zeile->Verlierer = verlierer;
        Siegpunktmatrix.push_back(std::move(zeile));
    }
    SiegpunktmatrixBenutzen = true;
}

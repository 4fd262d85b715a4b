#include "Serverturnier.h"

#include "Spielerbau.h"
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"
#include "platform/Cp1252.h"

#include <array>

void BaueServerturnier() {
    TSpieler& anna = SpielerAnlegen(1, "Anna", "Alt");
    anna.Nickname = "Ace";
    SpielerAnlegen(2, "Bernd", Utf8ToCp1252("Bär"));
    SpielerAnlegen(3, "Carl", "Cox");
    TSpieler& dora = SpielerAnlegen(4, "Dora", "Dahl");
    SpielerAnlegen(5, "Emil", "Ernst").SetGegner(2, 5);
    SpielerAnlegen(6, "Fritz", "Fink");
    SpielPaaren(2, 2, 3, 1);
    SpielPaaren(2, 1, 4, 2);
    anna.SetSiegpunkte(2, 1200);
    dora.SetSiegpunkte(2, 800);
    anna.SetPunkte(2, 12);
    dora.SetPunkte(2, 4);
    anna.SetFairplay(2, 3);
    dora.SetFairplay(2, 1);
    anna.SetSzenariopunkte(2, 2);
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

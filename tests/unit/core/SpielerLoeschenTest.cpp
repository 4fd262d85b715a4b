#include "core/SpielerLoeschen.h"

#include "CoreState.h"
#include "Spielerbau.h"
#include "core/Paarungen.h"

#include <cctype>
#include <gtest/gtest.h>

namespace {

std::vector<int> Nummern() {
    std::vector<int> n;
    for (const auto& s : Spielerliste)
        n.push_back(s->Startnummer);
    return n;
}

// Players 1, 2, ... named "Vn" and the letter, checked in where the letter is upper case.
void Anlegen(const std::string& namen) {
    ResetCoreState();
    for (size_t i = 0; i < namen.size(); ++i)
        SpielerAnlegen(int(i) + 1, "Vn", std::string(1, char(std::toupper(namen[i])))).Gemeldet =
            std::isupper(namen[i]);
}

} // namespace

TEST(SpielerLoeschen, RemovesTheFirstOfANameOrEveryPlayerNotCheckedIn) {
    const struct {
        std::string namen;
        std::string schritte; // a letter removes by name, "*" every player not checked in
        std::vector<int> bleiben;
    } faelle[] = {{"ABAC", "A", {2, 3, 4}},
                  {"ABAC", "AA*", {2, 4}},
                  {"AbcD", "*", {1, 4}},
                  {"abcd", "*", {}},
                  {"A", "AAZ", {}}};
    for (const auto& f : faelle) {
        Anlegen(f.namen);
        for (char schritt : f.schritte)
            if (schritt == '*')
                LoescheNichtGemeldete();
            else
                LoescheSpielerNachName(std::string("Vn ") + schritt);
        EXPECT_EQ(Nummern(), f.bleiben) << f.namen << " " << f.schritte;
    }
    ResetCoreState();
}

TEST(SpielerLoeschen, ARemovedPlayersNumberIsNotGivenAgainWhileAGameNamesIt) {
    Anlegen("ABCD");
    SpielPaaren(1, 3, 4, 2);
    ErstellePaarungsliste();
    LoescheSpielerNachName("Vn D");
    EXPECT_EQ(NeueStartnummer(), 5);
    Paarungsliste[0]->Ergebnis1.Punkte = 7; // still reaches the player left in the game
    Paarungsliste[0]->SchreibeErgebnis();
    EXPECT_EQ(FindeSpieler(3)->GetPunkte(1), 7);
    FindeSpieler(3)->SetGegner(1, -1);
    EXPECT_EQ(NeueStartnummer(), 5) << "the pairing still names 4";
    Paarungsliste.clear();
    EXPECT_EQ(NeueStartnummer(), 4);
    ResetCoreState();
}

#include "archive/Spielerarchiv.h"

#include "CoreState.h"
#include "Spielerbau.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

class TurnierAnfuegenTest : public ::testing::Test {
    FrischerZustand zustand_;
};

TSpieler& Spieler(int nummer, const std::string& name, double wertung) {
    TSpieler& spieler = SpielerAnlegen(nummer, "", name);
    spieler.Armee = "Armee " + name;
    spieler.Gesamtwertung = wertung;
    spieler.Gesamtpunkte = static_cast<int>(wertung);
    return spieler;
}

void Runde(TSpieler& spieler, int r, int gegner, int punkte) {
    spieler.SetGegner(r, gegner);
    spieler.SetPunkte(r, punkte);
}

const TTurnier& Letztes(const std::string& name) {
    return *Archiv.Personen[static_cast<size_t>(Archiv.FindPerson(name))]->Turniere.back();
}

} // namespace

TEST_F(TurnierAnfuegenTest, StoresEveryPlayerInStandingsOrderWithOpponentsAsArchiveIds) {
    TSpieler& a = Spieler(1, "A", 21);
    TSpieler& b = Spieler(2, "B", 30);
    TSpieler& c = Spieler(3, "C", 10);
    TSpieler& d = Spieler(4, "D", 0);
    d.Geloescht = true;
    Runde(a, 1, 2, 11);
    Runde(b, 1, 1, 10);
    Runde(c, 1, 3, 10); // a bye: the player's own number
    Runde(d, 1, 4, 0);
    Runde(a, 2, 3, 10);
    Runde(c, 2, 1, 0);
    Runde(b, 2, -1, 20); // not paired
    Runde(d, 2, 4, 0);
    Runde(c, 3, 99, 9); // the opponent left the list
    Archiv.LinkPlayers();
    const int idA = a.ArchivID, idB = b.ArchivID, idC = c.ArchivID;

    Archiv.AddTournament("Cup");

    ASSERT_EQ(Archiv.Personen.size(), 4u);
    const TTurnier& tb = Letztes("B");
    EXPECT_EQ(std::tie(tb.Name, tb.Platz, tb.Punkte, tb.Armee, tb.Runden),
              std::make_tuple("Cup", 1, 30, "Armee B", 2));
    EXPECT_EQ(tb.Gegner, (std::array<int, 5>{idA, TTurnier::KeinGegner}));
    EXPECT_EQ(tb.Ergebnis, (std::array<int, 5>{10, 20}));

    EXPECT_EQ(Letztes("A").Platz, 2);
    EXPECT_EQ(Letztes("A").Gegner[1], idC);
    const TTurnier& tc = Letztes("C");
    EXPECT_EQ(std::tie(tc.Platz, tc.Runden), std::make_tuple(3, 3));
    EXPECT_EQ(tc.Gegner, (std::array<int, 5>{idC, idA, TTurnier::KeinGegner}));
    EXPECT_EQ(tc.Ergebnis, (std::array<int, 5>{10, 0, 9}));
    EXPECT_EQ(Letztes("D").Platz, 4) << "deleted players are stored too";
    EXPECT_EQ(Letztes("D").Runden, 2);
    EXPECT_EQ(Spielerliste[0]->Name.str(), "B") << "the list is left in standings order";
    EXPECT_EQ(Spielerliste[0]->Platz, 1);

    // Storing again appends again; the ranking counts the stored rounds.
    Archiv.AddTournament("Cup");
    EXPECT_EQ(Archiv.Personen[static_cast<size_t>(idB)]->Count(), 2);
    Archiv.BuildPlayerList();
    const TPlayerForArchiv& rb = *PlayerList[static_cast<size_t>(idB)];
    EXPECT_EQ(rb.Siege, 2);
    EXPECT_EQ(rb.Unentschieden, 2);
    EXPECT_EQ(rb.Punkte, 60);
}

TEST_F(TurnierAnfuegenTest, StopsBeforeTheFirstRoundWithNegativePointsAndAfterFiveRounds) {
    TSpieler& a = Spieler(1, "A", 2);
    TSpieler& b = Spieler(2, "B", 1);
    for (int r = 1; r <= 7; ++r) {
        Runde(a, r, 2, 10 + r);
        Runde(b, r, 1, r == 3 ? -1 : 5);
    }
    Archiv.LinkPlayers();
    Archiv.AddTournament("Lang");

    const TTurnier& ta = Letztes("A");
    EXPECT_EQ(ta.Runden, 5);
    EXPECT_EQ(ta.Ergebnis[4], 15);
    const TTurnier& tb = Letztes("B");
    EXPECT_EQ(tb.Runden, 2) << "the round without result is not stored";
    Archiv.BuildPlayerList();
    EXPECT_EQ(PlayerList[1]->Niederlagen, 2) << "and not counted as a loss";
}

TEST_F(TurnierAnfuegenTest, UnlinkedPlayerStoresNothing) {
    Spieler(1, "A", 2);
    TSpieler& b = Spieler(2, "B", 1);
    Archiv.LinkPlayers();
    b.ArchivID = -1;
    EXPECT_THROW(Archiv.AddTournament("Cup"), TuvonError);
    b.ArchivID = 7;
    EXPECT_THROW(Archiv.AddTournament("Cup"), TuvonError);
    for (const auto& person : Archiv.Personen)
        EXPECT_EQ(person->Count(), 0) << person->Name;
}

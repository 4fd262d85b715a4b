#include "core/Teamturnier.h"
#include "core/Teampunkte.h"
#include "core/Wertung.h"

#include "TeamFabrik.h"

#include <gtest/gtest.h>

using namespace teamfabrik;
using testaufbau::Spiel;

using TeamturnierTest = TeamTest;

TEST_F(TeamturnierTest, TeamsAreCreatedOncePerTrimmedNameAndNumberedInOrderOfAppearance) {
    Mitglied(1, " Alpha", 1);
    Mitglied(2, "Beta", 1);
    Mitglied(3, "Alpha\t", 2);
    Mitglied(4, "alpha", 1).Geloescht = true; // other case, and deleted players count too
    ErstelleTeampaarungen();

    ASSERT_EQ(TeamNamen(), (std::vector<std::string>{" Alpha", "Beta", "alpha"}));
    EXPECT_EQ(Teamliste[0]->Nummer, 1);
    EXPECT_EQ(Teamliste[2]->Nummer, 3);
    EXPECT_TRUE(TeamExistiert("Alpha"));
    EXPECT_FALSE(TeamExistiert("ALPHA"));
    EXPECT_EQ(FindeTeam("  Beta  "), 1);
    EXPECT_EQ(FindeTeam("Gamma"), -1);
    EXPECT_EQ(FindeTeamNachNummer(3), 2);
    EXPECT_EQ(FindeTeamNachNummer(4), -1);
    EXPECT_EQ(&PaarungslisteFuerTische(), &Teampaarungsliste);
    Teamturnier = false;
    EXPECT_EQ(&PaarungslisteFuerTische(), &Paarungsliste);
    Teamturnier = true;

    // A second run adds nothing; a new team takes the count plus one even after a re-sort.
    Teamliste[0]->Gesamt = 1;
    Teamliste[2]->Gesamt = 5;
    SortiereTeamliste();
    Mitglied(5, "Gamma", 1);
    ErstelleTeampaarungen();
    ASSERT_EQ(Teamliste.size(), 4u);
    EXPECT_EQ(Team("Gamma").Nummer, 4);
}

TEST_F(TeamturnierTest, MembersOpponentsAndTablesAreReadFromThePlayers) {
    TSpieler& a1 = Mitglied(1, "A", 1);
    TSpieler& a2 = Mitglied(2, "A", 2);
    TSpieler& b1 = Mitglied(3, "B", 1);
    TSpieler& b2 = Mitglied(4, "B", 2);
    Mitglied(5, "C", 1);
    Spiel(a1, b1, 1, 10, 5, 3, 1, 7);
    Spiel(a2, b2, 1, 10, 5, 3, 1, 7);
    a1.SetGegner(2, a1.Startnummer); // a bye in round 2
    a1.SetTisch(2, 4);
    ErstelleTeampaarungen();

    const TTTTeam& a = Team("A");
    const TTTTeam& b = Team("B");
    EXPECT_EQ(a.Mitglieder[1], 1);
    EXPECT_EQ(a.Mitglieder[2], 2);
    EXPECT_EQ(a.Mitglieder[3], -1);
    EXPECT_EQ(a.Gegner[1], b.Nummer);
    EXPECT_EQ(b.Gegner[1], a.Nummer);
    EXPECT_EQ(a.Gegner[2], a.Nummer);
    EXPECT_EQ(b.Gegner[2], -1);
    EXPECT_EQ(a.Tische[1], 7);
    EXPECT_EQ(a.Tische[2], 4);
    EXPECT_EQ(Team("C").Gegner[1], -1);
}

TEST_F(TeamturnierTest, TeamPairingsOfTheRoundListEachPairingOnceWithEarlierTables) {
    ErsteRundeABCD();
    TSpieler& a1 = *FindeSpieler(1);
    TSpieler& c1 = *FindeSpieler(3);
    TSpieler& d1 = *FindeSpieler(4);
    Spiel(d1, a1, 2, 0, 0, 0, 0, 5); // D has the higher number but stands first in the list
    c1.SetGegner(2, c1.Startnummer);
    c1.SetTisch(2, 6);
    std::swap(Spielerliste[0], Spielerliste[3]);
    AktuellerSpieltag = 2;
    ErstelleTeampaarungen();

    ASSERT_EQ(Teampaarungsliste.size(), 2u);
    // Teams in list order: D(1), B(2), C(3), A(4).
    const TPaarung& da = *Teampaarungsliste[0];
    EXPECT_EQ(da.Name1, "D");
    EXPECT_EQ(da.Name2, "A");
    EXPECT_LT(da.Nummer1, da.Nummer2);
    EXPECT_EQ(da.GetTisch(), 5);
    EXPECT_EQ(da.TischFest, false);
    EXPECT_EQ(da.BesterPlatz, 0);
    ASSERT_EQ(da.BisherigeTische.size(), 2u);
    EXPECT_EQ(da.BisherigeTische[0]->Nummer, 2); // D's table of round 1
    EXPECT_EQ(da.BisherigeTische[1]->Nummer, 1); // A's
    EXPECT_EQ(da.BisherigeTische1[0]->Nummer, 2);
    EXPECT_EQ(da.BisherigeTische2[0]->Nummer, 1);

    // A team with a bye is paired with itself; B, without a game, is left out.
    const TPaarung& cc = *Teampaarungsliste[1];
    EXPECT_EQ(cc.Name1, "C");
    EXPECT_EQ(cc.Name2, "C");
    EXPECT_EQ(cc.Nummer1, cc.Nummer2);
    EXPECT_EQ(cc.GetTisch(), 6);

    // In round 1 there are no earlier tables.
    AktuellerSpieltag = 1;
    ErstelleTeampaarungen();
    ASSERT_EQ(Teampaarungsliste.size(), 2u);
    EXPECT_TRUE(Teampaarungsliste[0]->BisherigeTische.empty());
}

TEST_F(TeamturnierTest, MemberSlotsFollowThePlayersAsTheyAreNow) {
    TSpieler& erster = Mitglied(1, "A", 2);
    Mitglied(2, "A", 2); // a later player of the same slot takes it
    ErstelleTeampaarungen();
    EXPECT_EQ(Team("A").Mitglieder[2], 2);

    // A player who changes slot or team leaves his old slot empty.
    Spielerliste[1]->TeamNr = 3;
    erster.Team = "B";
    ErstelleTeampaarungen();
    EXPECT_EQ(Team("A").Mitglieder[2], -1);
    EXPECT_EQ(Team("A").Mitglieder[3], 2);
    EXPECT_EQ(Team("B").Mitglieder[2], 1);

    // A removed player leaves his slot empty.
    Spielerliste.erase(Spielerliste.begin() + 1);
    ErstelleTeampaarungen();
    EXPECT_EQ(Team("A").Mitglieder[3], -1);

    // A deleted player never pushes out one who still plays, whatever the list order; alone he
    // keeps his slot.
    Mitglied(3, "B", 4);
    Mitglied(4, "B", 2).Geloescht = true;
    Mitglied(5, "B", 4).Geloescht = true;
    ErstelleTeampaarungen();
    EXPECT_EQ(Team("B").Mitglieder[2], 1);
    EXPECT_EQ(Team("B").Mitglieder[4], 3);
    Spielerliste[0]->TeamNr = 1;
    ErstelleTeampaarungen();
    EXPECT_EQ(Team("B").Mitglieder[2], 4);
}

TEST_F(TeamturnierTest, AMemberWithoutAGameDoesNotWipeTheTeamsTable) {
    TSpieler& a1 = Mitglied(1, "A", 1);
    TSpieler& b1 = Mitglied(2, "B", 1);
    Mitglied(3, "A", 2).SetGegner(1, -1); // no game in round 1, table 0, last in list order
    Spiel(a1, b1, 1, 0, 0, 0, 0, 9);
    ErstelleTeampaarungen();
    EXPECT_EQ(Team("A").Tische[1], 9);
    ASSERT_EQ(Teampaarungsliste.size(), 1u);
    EXPECT_EQ(Teampaarungsliste[0]->GetTisch(), 9);
}

TEST_F(TeamturnierTest, OutOfRangeSlotsRoundsAndOpponentsAreNeverUsed) {
    Mitglied(1, "A", 0);
    Mitglied(2, "A", 6);
    Mitglied(3, "A", -1);
    TSpieler& b = Mitglied(4, "B", 1);
    b.SetGegner(1, 99); // a player removed since
    b.SetGegner(2, 1);
    for (int r = 1; r <= 8; ++r)
        b.SetTisch(r, 10 + r);
    b.SetGegner(7, 2);
    ErstelleTeampaarungen();

    const TTTTeam& a = Team("A");
    for (int k = 1; k <= TeamPlaetze; ++k)
        EXPECT_EQ(a.Mitglieder[static_cast<size_t>(k)], -1) << k;
    EXPECT_EQ(a.Mitglieder[0], -1);
    const TTTTeam& tb = Team("B");
    EXPECT_EQ(tb.Gegner[1], -1);
    EXPECT_EQ(tb.Gegner[2], a.Nummer);
    EXPECT_EQ(tb.Tische[5], 15);
    EXPECT_EQ(tb.Gegner[0], -1);

    // Reads outside the five slots answer the defaults.
    EXPECT_EQ(tb.GegnerInRunde(6), -1);
    EXPECT_EQ(tb.GegnerInRunde(0), -1);
    EXPECT_EQ(tb.TischInRunde(7), 0);
    EXPECT_EQ(tb.TischInRunde(5), 15);
    EXPECT_EQ(tb.MitgliedAufPlatz(6), -1);
    EXPECT_EQ(tb.MitgliedAufPlatz(1), 4);

    // A round above five has no team pairings.
    AktuellerSpieltag = 7;
    ErstelleTeampaarungen();
    EXPECT_TRUE(Teampaarungsliste.empty());
}

TEST_F(TeamturnierTest, TeamRankingUsesTheTeamSumsAndBreaksTiesByTheLowerNumber) {
    // Two members of A with 3 points each, one member of B with 5, one of C with 6.
    TSpieler& a1 = Mitglied(1, "A", 1);
    TSpieler& a2 = Mitglied(2, "A", 2);
    TSpieler& b1 = Mitglied(3, "B", 1);
    TSpieler& c1 = Mitglied(4, "C", 1);
    Spiel(a1, b1, 1, 12, 4, 3, 5);
    Spiel(a2, c1, 1, 2, 9, 3, 6);
    ErstelleTeampaarungen();
    BerechneWertung(1, false, false, false, false, false, false, false);
    UebernehmeTeamwertung();

    EXPECT_EQ(TeamNamen(), (std::vector<std::string>{"A", "C", "B"}));
    EXPECT_DOUBLE_EQ(Team("A").Gesamt, 6.0);
    EXPECT_DOUBLE_EQ(Team("A").Punkte, 6.0);
    EXPECT_DOUBLE_EQ(Team("A").Differenz, 1.0); // (12-4) + (2-9)
    EXPECT_DOUBLE_EQ(Team("B").Gesamt, 5.0);

    // Outside a team tournament the same players give averages.
    Teamturnier = false;
    BerechneWertung(1, false, false, false, false, false, false, false);
    UebernehmeTeamwertung();
    EXPECT_EQ(TeamNamen(), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_DOUBLE_EQ(Team("A").Gesamt, 3.0);
    EXPECT_DOUBLE_EQ(Team("A").Differenz, 0.5);
}

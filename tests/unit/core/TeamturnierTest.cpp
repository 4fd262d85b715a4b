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
    EXPECT_EQ(TeamNamen(), " Alpha|Beta|alpha|");
    EXPECT_EQ(Teamliste[2]->Nummer, 3);
    EXPECT_EQ(FindeTeam("  Beta  "), 1);
    EXPECT_FALSE(TeamExistiert("ALPHA"));
    EXPECT_EQ(FindeTeamNachNummer(3), 2);
    EXPECT_EQ(FindeTeamNachNummer(4), -1);
    EXPECT_EQ(&PaarungslisteFuerTische(), &Teampaarungsliste);

    // A new team takes the count plus one, also after a re-sort.
    Teamliste[2]->Gesamt = 5;
    SortiereTeamliste();
    Mitglied(5, "Gamma", 1);
    ErstelleTeampaarungen();
    EXPECT_EQ(Teamliste.size(), 4u);
    EXPECT_EQ(Team("Gamma").Nummer, 4);
}

TEST_F(TeamturnierTest, MembersOpponentsAndTablesAreReadFromThePlayers) {
    TSpieler& a1 = Mitglied(1, "A", 1);
    TSpieler& b1 = Mitglied(2, "B", 1);
    Mitglied(3, "A", 2);
    Mitglied(4, "A", 6); // outside the five slots: in the team, but holds none
    Spiel(a1, b1, 1, 10, 5, 3, 1, 7);
    a1.SetGegner(2, 1), a1.SetTisch(2, 4); // a bye
    b1.SetGegner(3, 99);                   // a player removed since
    for (int r = 4; r <= 7; ++r)
        b1.SetTisch(r, 10 + r);
    ErstelleTeampaarungen();

    const TTTTeam& a = Team("A");
    const TTTTeam& b = Team("B");
    EXPECT_EQ(a.Mitglieder, (std::array<int, 6>{-1, 1, 3, -1, -1, -1}));
    EXPECT_EQ(a.Gegner[1], b.Nummer);
    EXPECT_EQ(b.Gegner[1], a.Nummer);
    EXPECT_EQ(a.Gegner[2], a.Nummer);
    EXPECT_EQ(b.Gegner[3], -1);
    // Player 3, last in the list, has no game: he does not wipe the team's table.
    EXPECT_EQ(a.Tische[1] * 10 + a.Tische[2], 74);
    EXPECT_EQ(b.Tische[5], 15);
    EXPECT_EQ(b.TischInRunde(6) + b.GegnerInRunde(6) + b.MitgliedAufPlatz(6), -2);
}

TEST_F(TeamturnierTest, TeamPairingsOfTheRoundListEachPairingOnceWithEarlierTables) {
    ErsteRundeABCD();
    TSpieler& a1 = *FindeSpieler(1);
    TSpieler& c1 = *FindeSpieler(3);
    Spiel(*FindeSpieler(4), a1, 2, 0, 0, 0, 0, 5);
    c1.SetGegner(2, 3), c1.SetTisch(2, 6); // C has a bye, B no game
    std::swap(Spielerliste[0], Spielerliste[3]);
    std::swap(Teamliste[0], Teamliste[3]); // D, B, C, A
    AktuellerSpieltag = 2;
    ErstelleTeampaarungen();

    // D stands first but is side 2: the pairing is listed where A stands.
    ASSERT_EQ(Teampaarungsliste.size(), 2u);
    const TPaarung& ad = *Teampaarungsliste[1];
    EXPECT_EQ(ad.Name1 + ad.Name2, "AD");
    EXPECT_EQ(ad.GetTisch(), 5);
    ASSERT_EQ(ad.BisherigeTische.size(), 2u);
    EXPECT_EQ(ad.BisherigeTische[0]->Nummer * 10 + ad.BisherigeTische[1]->Nummer, 12);
    EXPECT_EQ(ad.BisherigeTische1[0]->Nummer * 10 + ad.BisherigeTische2[0]->Nummer, 12);
    // A team with a bye is paired with itself.
    EXPECT_EQ(Teampaarungsliste[0]->Name1 + Teampaarungsliste[0]->Name2, "CC");

    AktuellerSpieltag = 6; // a round above five has no team pairings
    ErstelleTeampaarungen();
    EXPECT_TRUE(Teampaarungsliste.empty());
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

    // A deleted player never pushes out one who still plays, whatever the list order; alone he
    // keeps his slot.
    Mitglied(3, "B", 2).Geloescht = true;
    ErstelleTeampaarungen();
    EXPECT_EQ(Team("B").Mitglieder[2], 1);
    erster.TeamNr = 1;
    ErstelleTeampaarungen();
    EXPECT_EQ(Team("B").Mitglieder[2], 3);
}

TEST_F(TeamturnierTest, TeamRankingUsesTheTeamSumsAndBreaksTiesByTheLowerNumber) {
    TSpieler& a1 = Mitglied(1, "A", 1);
    TSpieler& a2 = Mitglied(2, "A", 2);
    TSpieler& b1 = Mitglied(3, "B", 1);
    TSpieler& c1 = Mitglied(4, "C", 1);
    Spiel(a1, b1, 1, 12, 4, 3, 5);
    Spiel(a2, c1, 1, 2, 9, 3, 6);
    ErstelleTeampaarungen();
    BerechneWertung(1, false, false, false, false, false, false, false);
    UebernehmeTeamwertung();
    EXPECT_EQ(TeamNamen(), "A|C|B|");
    EXPECT_DOUBLE_EQ(Team("A").Gesamt, 6.0);
    EXPECT_DOUBLE_EQ(Team("A").Differenz, 1.0); // (12-4) + (2-9)
}

#include "archive/Spielerarchiv.h"

#include "Archivbau.h"
#include "CoreState.h"
#include "Spielerbau.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

class SpielerarchivTest : public ::testing::Test {
    FrischerZustand zustand_;
};

// Id, wins, draws, losses, points, tournaments, best, worst and sum of places.
std::vector<int> Zaehler(const TPlayerForArchiv& z) {
    return {z.Id,       z.Siege,     z.Unentschieden, z.Niederlagen, z.Punkte,
            z.Turniere, z.BestPlatz, z.SchlechtPlatz, z.PlatzSumme};
}

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

TEST_F(SpielerarchivTest, FindPersonTrimsButKeepsLetterCase) {
    NeuePerson("  Anna Alt ");
    NeuePerson("anna alt");
    NeuePerson("Anna Alt");
    EXPECT_EQ(Archiv.FindPerson("Anna Alt"), 0);
    EXPECT_EQ(Archiv.FindPerson("\tAnna Alt  "), 0);
    EXPECT_EQ(Archiv.FindPerson("anna alt"), 1);
    EXPECT_EQ(Archiv.FindPerson("ANNA ALT"), -1);
    EXPECT_EQ(Archiv.FindPerson(""), -1);
}

TEST_F(SpielerarchivTest, LinkingFindsOrCreatesPersonsAndKeepsExistingLinks) {
    NeuePerson("Anna Alt");
    NeuePerson("Bernd Bau");
    TSpieler& bernd = SpielerAnlegen(NeueStartnummer(), "Bernd", "Bau");
    TSpieler& carla = SpielerAnlegen(NeueStartnummer(), "Carla", "Cel");
    carla.Herkunft = "Ulm";
    carla.Team = "Rot";
    TSpieler& anna = SpielerAnlegen(NeueStartnummer(), "Anna", "Alt");
    anna.ArchivID = 0;
    TSpieler& zweiteCarla = SpielerAnlegen(NeueStartnummer(), "Carla", "Cel");

    Archiv.LinkPlayers();
    EXPECT_EQ(bernd.ArchivID, 1);
    EXPECT_EQ(carla.ArchivID, 2);
    EXPECT_EQ(zweiteCarla.ArchivID, 2) << "the person created for the first is found again";
    EXPECT_EQ(anna.ArchivID, 0);
    ASSERT_EQ(Archiv.Personen.size(), 3u);
    const TPerson& neu = *Archiv.Personen[2];
    EXPECT_EQ(std::tie(neu.Id, neu.Name, neu.Herkunft, neu.Team, neu.Armee),
              std::make_tuple(2, "Carla Cel", "Ulm", "Rot", ""));
    EXPECT_EQ(neu.Count(), 0);

    // A player linked elsewhere by hand stays linked there.
    bernd.ArchivID = 0;
    Archiv.LinkPlayers();
    EXPECT_EQ(bernd.ArchivID, 0);
    EXPECT_EQ(Archiv.Personen.size(), 3u);
}

TEST_F(SpielerarchivTest, RankingCountsRoundsPointsAndPlaces) {
    TPerson& anna = NeuePerson("Anna");
    NeuesTurnier(anna, 4, 30, {10, 11, 9, 0});
    NeuesTurnier(anna, 2, 12, {20});
    anna.Turniere[1]->Ergebnis[3] = 20; // beyond the stored rounds: not counted
    NeuePerson("Leer");

    Archiv.BuildPlayerList();
    Archiv.BuildPlayerList();
    ASSERT_EQ(PlayerList.size(), 2u) << "rebuilding does not append twice";
    EXPECT_EQ(PlayerList[0]->Name, "Anna");
    EXPECT_EQ(Zaehler(*PlayerList[0]), (std::vector<int>{0, 2, 1, 2, 42, 2, 2, 4, 6}));
    EXPECT_EQ(Zaehler(*PlayerList[1]), (std::vector<int>{1, 0, 0, 0, 0, 0, 10000000, 0, 0}));
}

TEST_F(SpielerarchivTest, SortsByPointsThenFewerTournaments) {
    NeuesTurnier(NeuePerson("Wenig"), 1, 5, {});
    TPerson& zwei = NeuePerson("ZweiTurniere");
    NeuesTurnier(zwei, 1, 20, {});
    NeuesTurnier(zwei, 1, 20, {});
    NeuesTurnier(NeuePerson("Viel"), 1, 50, {});
    NeuesTurnier(NeuePerson("EinTurnier"), 1, 40, {});
    NeuePerson("Null");

    Archiv.BuildPlayerList();
    SortPlayerList();
    std::vector<std::string> namen;
    for (const auto& zeile : PlayerList)
        namen.push_back(zeile->Name);
    EXPECT_EQ(namen,
              (std::vector<std::string>{"Viel", "EinTurnier", "ZweiTurniere", "Wenig", "Null"}));
}

TEST_F(SpielerarchivTest, StoresEveryPlayerInStandingsOrderWithOpponentsAsArchiveIds) {
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

    Archiv.AddTournament("Cup");
    EXPECT_EQ(Archiv.Personen[static_cast<size_t>(idB)]->Count(), 2) << "storing again appends";
}

TEST_F(SpielerarchivTest, StopsBeforeTheFirstRoundWithNegativePointsAndAfterFiveRounds) {
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
}

TEST_F(SpielerarchivTest, UnlinkedPlayerStoresNothing) {
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

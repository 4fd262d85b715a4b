#include "archive/Spielerarchiv.h"

#include "Archivbau.h"
#include "CoreState.h"
#include "Spielerbau.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

class ArchivRanglisteTest : public ::testing::Test {
    FrischerZustand zustand_;
};

// Id, wins, draws, losses, points, tournaments, best, worst and sum of places.
std::vector<int> Zaehler(const TPlayerForArchiv& z) {
    return {z.Id,       z.Siege,     z.Unentschieden, z.Niederlagen, z.Punkte,
            z.Turniere, z.BestPlatz, z.SchlechtPlatz, z.PlatzSumme};
}

} // namespace

TEST_F(ArchivRanglisteTest, FindPersonTrimsButKeepsLetterCase) {
    NeuePerson("  Anna Alt ");
    NeuePerson("anna alt");
    NeuePerson("Anna Alt");
    EXPECT_EQ(Archiv.FindPerson("Anna Alt"), 0);
    EXPECT_EQ(Archiv.FindPerson("\tAnna Alt  "), 0);
    EXPECT_EQ(Archiv.FindPerson("anna alt"), 1);
    EXPECT_EQ(Archiv.FindPerson("ANNA ALT"), -1);
    EXPECT_EQ(Archiv.FindPerson(""), -1);
}

TEST_F(ArchivRanglisteTest, LinkingFindsOrCreatesPersonsAndKeepsExistingLinks) {
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

TEST_F(ArchivRanglisteTest, RankingCountsRoundsPointsAndPlaces) {
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

TEST_F(ArchivRanglisteTest, SortsByPointsThenFewerTournaments) {
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

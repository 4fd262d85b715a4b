#include "core/Tischverwaltung.h"

#include "CoreState.h"
#include "RecordingMessages.h"
#include "Testaufbau.h"
#include "core/Paarungen.h"

#include <climits>
#include <gtest/gtest.h>

using namespace testaufbau;

namespace {

class TischverwaltungTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCoreState();
        RegistriereTischverwaltungTexte();
    }
    void TearDown() override { ResetCoreState(); }

    // Each group as "name:first-last".
    static std::vector<std::string> Gruppen() {
        std::vector<std::string> g;
        for (const auto& t : Tischgruppen)
            g.push_back(t->Name.str() + ":" + std::to_string(t->ErsterTisch) + "-" +
                        std::to_string(t->LetzterTisch));
        return g;
    }

    RecordingMessages meldungen;
};

} // namespace

TEST_F(TischverwaltungTest, CountsOutsideTheFileBoundsAreRefused) {
    AnzahlTische = 10;
    const struct {
        int anzahl;
        bool tische, gruppen;
    } faelle[] = {{INT_MIN, false, false},   {-1, false, false},   {0, true, false},
                  {1, true, false},          {2, true, true},      {9, true, true},
                  {10, true, false},         {10000, true, false}, {10001, false, false},
                  {2000000000, false, false}};
    for (const auto& f : faelle) {
        EXPECT_EQ(TischanzahlErlaubt(f.anzahl), f.tische) << f.anzahl;
        EXPECT_EQ(TischgruppenanzahlErlaubt(f.anzahl), f.gruppen) << f.anzahl;
    }
}

TEST_F(TischverwaltungTest, ShowingBuildsSortsAndRaisesTheTableCount) {
    for (int i = 1; i <= 21; ++i)
        NeuerSpieler(i).Platz = 22 - i;
    Spiel(*Spielerliste[0], *Spielerliste[1], 1, 0, 0, 0, 0, 1);   // places 21 and 20
    Spiel(*Spielerliste[18], *Spielerliste[19], 1, 0, 0, 0, 0, 2); // places 3 and 2
    TischverwaltungVorbereiten();
    ASSERT_EQ(Paarungsliste.size(), 2u);
    EXPECT_EQ(Paarungsliste[0]->BesterPlatz, 2) << "sorted by best standings position";
    EXPECT_EQ(AnzahlTische, 10) << "half of 21 players, stored";

    AnzahlTische = 12; // a larger count stays
    TischverwaltungVorbereiten();
    EXPECT_EQ(AnzahlTische, 12);
    Spielerliste.resize(2);
    AnzahlTische = 0; // the pairings count when players are few
    TischverwaltungVorbereiten();
    EXPECT_EQ(AnzahlTische, 2);
}

TEST_F(TischverwaltungTest, AutomaticGroupsSplitTheTablesIntoBlocks) {
    const struct {
        int tische, gruppen;
        std::vector<std::string> erwartet;
    } faelle[] = {
        {10, 4, {"Gruppe Nr. 1:1-3", "Gruppe Nr. 2:4-6", "Gruppe Nr. 3:7-8", "Gruppe Nr. 4:9-10"}},
        {11, 3, {"Gruppe Nr. 1:1-4", "Gruppe Nr. 2:5-8", "Gruppe Nr. 3:9-11"}},
        {2, 3, {"Gruppe Nr. 1:1-1", "Gruppe Nr. 2:2-2", "Gruppe Nr. 3:3-2"}},
    };
    for (const auto& f : faelle) {
        NeueTischgruppe("alt", 1, 1);
        AnzahlTische = f.tische;
        AnzahlTischgruppen = f.gruppen;
        TischgruppenAnpassen();
        EXPECT_EQ(Gruppen(), f.erwartet) << f.tische;
    }
}

TEST_F(TischverwaltungTest, GroupsEditedByHandGrowAndShrinkAtTheEnd) {
    TischgruppenAusSpalten({{"Vorn", "1", "3"},
                            {"Mitte", "x4", "6"},
                            {std::string(60, 'n'), "7", " 8 "},
                            {"Hinten", "", "10"}});
    const std::vector<std::string> bearbeitet = {"Vorn:1-3", "Mitte:0-6",
                                                 std::string(50, 'n') + ":7-8", "Hinten:0-10"};
    EXPECT_EQ(Gruppen(), bearbeitet) << "letters give 0, names cut to 50";
    TischgruppenManuell = true;
    AnzahlTische = 10;
    AnzahlTischgruppen = 6;
    TischgruppenAnpassen();
    auto sechs = bearbeitet;
    sechs.insert(sechs.end(), {"Gruppe Nr. 5:0-0", "Gruppe Nr. 6:0-0"});
    EXPECT_EQ(Gruppen(), sechs);
    AnzahlTischgruppen = 4;
    TischgruppenAnpassen();
    EXPECT_EQ(Gruppen(), bearbeitet);
}

TEST_F(TischverwaltungTest, NewAssignmentReachesThePlayersAndReturnsTheWarning) {
    AktuellerSpieltag = 2;
    for (int i = 1; i <= 4; ++i)
        NeuerSpieler(i);
    Spiel(*Spielerliste[0], *Spielerliste[1], 1, 0, 0, 0, 0, 1);
    Spiel(*Spielerliste[2], *Spielerliste[3], 1, 0, 0, 0, 0, 2);
    Spiel(*Spielerliste[0], *Spielerliste[2], 2, 0, 0, 0, 0, 0);
    Spiel(*Spielerliste[1], *Spielerliste[3], 2, 0, 0, 0, 0, 0);
    ErstellePaarungsliste();
    // Two tables only: both games repeat one player each, and no swap helps. Which tables are
    // allowed is the table rules' test.
    AnzahlTische = 2;
    EXPECT_EQ(TischeNeuZuweisen(),
              "2 Spieler m\xfcssen an einem Tisch spielen, an dem sie schonmal gespielt haben.");
    for (const auto& p : Paarungsliste) {
        EXPECT_EQ(FindeSpieler(p->Nummer1)->GetTisch(2), p->GetTisch());
        EXPECT_EQ(FindeSpieler(p->Nummer2)->GetTisch(2), p->GetTisch());
    }
    EXPECT_TRUE(meldungen.shown.empty()) << "the caller shows it";
}

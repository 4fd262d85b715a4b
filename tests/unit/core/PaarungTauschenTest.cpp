#include "core/PaarungTauschen.h"

#include "CoreState.h"
#include "Spielerbau.h"
#include "core/Paarungen.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

namespace {

// Round 2: Anna-Bert at table 3, Carl-Dora at 5, Fritz-Gus at 1, Emil a bye. In round 1 every
// player sat at the table of his number.
class PaarungTauschenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCoreState();
        const char* namen[][3] = {{"Anna", "Arm", "Orks"},    {"Bert", "Berg", "Elfen"},
                                  {"Carl", "Cord", "Zwerge"}, {"Dora", "Dahl", "Goblins"},
                                  {"Emil", "Eck", "Echsen"},  {"Fritz", "Fink", "Untote"},
                                  {"Gus", "Gans", "Menschen"}};
        for (int n = 1; n <= 7; ++n) {
            TSpieler& s = SpielerAnlegen(n, namen[n - 1][0], namen[n - 1][1]);
            s.Armee = namen[n - 1][2];
            s.SetTisch(1, n);
        }
        SpielPaaren(2, 1, 2, 3);
        SpielPaaren(2, 3, 4, 5);
        SpielPaaren(2, 6, 7, 1);
        for (const auto& s : Spielerliste)
            if (const TSpieler* o = FindeSpieler(s->GetGegner(2)))
                s->SetGegnerArmee(2, o->Armee);
        FindeSpieler(5)->SetGegner(2, 5);
        FindeSpieler(1)->SetPunkte(2, 12);
        AktuellerSpieltag = 2;
        ErstellePaarungsliste();
    }
    void TearDown() override { ResetCoreState(); }
};

// Each player's opponent, opponent's army and table of round 2; then each pairing with its
// names' initials, working copies' opponents and tables and its earlier tables.
std::string Stand() {
    std::string text;
    for (const auto& s : Spielerliste)
        text += std::to_string(s->GetGegner(2)) + s->GetGegnerArmee(2).substr(0, 1) + "@" +
                std::to_string(s->GetTisch(2)) + " ";
    for (const auto& p : Paarungsliste)
        text += "| " + p->Name1.substr(0, 1) + p->Name2.substr(0, 1) + std::to_string(p->Nummer1) +
                "-" + std::to_string(p->Nummer2) + " " + std::to_string(p->Ergebnis1.Gegner) + "/" +
                std::to_string(p->Ergebnis2.Gegner) + "@" + std::to_string(p->Ergebnis1.Tisch) +
                "," + std::to_string(p->Ergebnis2.Tisch) + " vor " +
                std::to_string(p->BisherigeTische1[0]->Nummer) +
                std::to_string(p->BisherigeTische2[0]->Nummer) + " ";
    return text;
}

} // namespace

TEST_F(PaarungTauschenTest, NewGamesKeepTheTableOfThePairingTheyAreWrittenInto) {
    const std::string vorher = Stand();
    const struct {
        const char *w, *x, *y, *z;
        std::string stand;
    } faelle[] = {
        {"Anna Arm", "Carl Cord", "Bert Berg", "Dora Dahl",
         "3Z@3 4G@5 1O@3 2E@5 5@0 7M@1 6U@1 | FG6-7 7/6@1,1 vor 67 | AC1-3 3/1@3,3 vor 13 "
         "| BD2-4 4/2@5,5 vor 24 "},
        {"Anna Arm", "Dora Dahl", "Bert Berg", "Carl Cord",
         "4G@3 3Z@5 2E@5 1O@3 5@0 7M@1 6U@1 | FG6-7 7/6@1,1 vor 67 | AD1-4 4/1@3,3 vor 14 "
         "| BC2-3 3/2@5,5 vor 23 "},
        // The game Carl now has is written into the pairing that held him, at its table.
        {"Carl Cord", "Bert Berg", "Dora Dahl", "Anna Arm",
         "4G@3 3Z@5 2E@5 1O@3 5@0 7M@1 6U@1 | FG6-7 7/6@1,1 vor 67 | DA4-1 1/4@3,3 vor 41 "
         "| CB3-2 2/3@5,5 vor 32 "},
        {"Anna Arm", "Bert Berg", "Carl Cord", "Dora Dahl", vorher},
    };
    for (const auto& f : faelle) {
        SetUp();
        EXPECT_TRUE(TauschePaarungen(f.w, f.x, f.y, f.z));
        EXPECT_EQ(Stand(), f.stand) << f.w << " : " << f.x;
        EXPECT_EQ(FindeSpieler(1)->GetPunkte(2), 12) << "results stay with the players";
    }
}

TEST_F(PaarungTauschenTest, RefusesAnythingButFourPlayersOfTwoGamesAndChangesNothing) {
    const std::string vorher = Stand();
    const std::vector<const char*> faelle[] = {
        {"Anna Arm", "Anna Arm", "Bert Berg", "Bert Berg"},   // the same game twice
        {"Emil Eck", "Anna Arm", "Emil Eck", "Bert Berg"},    // a bye line
        {"Anna Arm", "Carl Cord", "Bert Berg", "Fritz Fink"}, // three games
    };
    for (const auto& f : faelle) {
        EXPECT_THROW(TauschePaarungen(f[0], f[1], f[2], f[3]), TuvonError) << f[3];
        EXPECT_EQ(Stand(), vorher);
    }
    EXPECT_FALSE(TauschePaarungen("Anna Arm", "Carl Cord", "Bert Berg", "Niemand"));
    EXPECT_EQ(Stand(), vorher);
}

TEST_F(PaarungTauschenTest, WithoutTheirPairingsTheListIsRebuiltFromThePlayers) {
    Paarungsliste.clear();
    TauschePaarungen("Anna Arm", "Dora Dahl", "Bert Berg", "Carl Cord");
    EXPECT_EQ(Stand(), "4G@3 3Z@5 2E@5 1O@3 5@0 7M@1 6U@1 | FG6-7 7/6@1,1 vor 67 "
                       "| AD1-4 4/1@3,3 vor 14 | BC2-3 3/2@5,5 vor 23 ");
}

#include "core/SpielerLoeschen.h"

#include "CoreState.h"
#include "Spielerbau.h"
#include "core/Paarungen.h"

#include <gtest/gtest.h>

namespace {

class SpielerLoeschenTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }
};

std::vector<int> Nummern() {
    std::vector<int> n;
    for (const auto& s : Spielerliste)
        n.push_back(s->Startnummer);
    return n;
}

} // namespace

TEST_F(SpielerLoeschenTest, RemovesTheFirstOfANameOrEveryPlayerNotCheckedIn) {
    // Players 1 to 4 named by the letters, checked in where the flag says; then each step.
    const struct {
        const char* namen;
        std::vector<bool> gemeldet;
        std::vector<const char*> schritte; // a name, or "*" for every player not checked in
        std::vector<int> bleiben;
    } faelle[] = {
        {"ABAC", {true, true, true, true}, {"A"}, {2, 3, 4}},
        {"ABAC", {true, true, true, true}, {"A", "A", "*"}, {2, 4}},
        {"ABCD", {true, false, false, true}, {"*"}, {1, 4}},
        {"ABCD", {false, false, false, false}, {"*"}, {}},
        {"A", {true}, {"A", "A", "Z"}, {}},
    };
    for (const auto& f : faelle) {
        ResetCoreState();
        for (int i = 0; f.namen[i]; ++i)
            SpielerAnlegen(i + 1, "Vn", std::string(1, f.namen[i])).Gemeldet = f.gemeldet[i];
        for (const char* schritt : f.schritte)
            if (std::string(schritt) == "*")
                LoescheNichtGemeldete();
            else
                LoescheSpielerNachName(std::string("Vn ") + schritt);
        EXPECT_EQ(Nummern(), f.bleiben) << f.namen << " " << f.schritte.size();
    }
}

TEST_F(SpielerLoeschenTest, ARemovedOpponentIsNobodyAndHisNumberIsNotGivenAgain) {
    for (int n = 1; n <= 4; ++n)
        SpielerAnlegen(n, "Vn", std::string(1, char('A' + n - 1)));
    SpielPaaren(1, 1, 2, 1);
    SpielPaaren(1, 3, 4, 2);
    ErstellePaarungsliste();
    ASSERT_TRUE(LoescheSpielerNachName("Vn D"));

    // The pairing of Carl and the removed player writes Carl's side only.
    TPaarung* p = FindePaarungVonSpieler(4);
    ASSERT_NE(p, nullptr);
    p->Ergebnis1.Punkte = 15;
    p->Ergebnis2.Punkte = 5;
    p->SchreibeErgebnis();
    p->LeseErgebnis();
    EXPECT_EQ(p->Ergebnis2.Punkte, 5);
    EXPECT_EQ(RundenWerte(*FindeSpieler(3), 1), (std::vector<int>{4, 0, 15, 0, 0}));
    // A new player does not inherit the number that Carl's game still names.
    EXPECT_EQ(NeueStartnummer(), 5);
    ErstellePaarungsliste();
    EXPECT_EQ(Paarungsliste.size(), 1u);
    EXPECT_EQ(NeueStartnummer(), 5);
    FindeSpieler(3)->SetGegner(1, -1);
    EXPECT_EQ(NeueStartnummer(), 4);
}

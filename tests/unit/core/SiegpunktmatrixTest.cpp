#include "core/Siegpunktmatrix.h"

#include "CoreState.h"

#include <climits>
#include <gtest/gtest.h>
#include <utility>

namespace {

std::pair<int, int> Punkte(int differenz) {
    int sieger = -99, verlierer = -99;
    SiegpunkteZuPunkten(differenz, sieger, verlierer);
    return {sieger, verlierer};
}

class SiegpunktmatrixTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
};

} // namespace

TEST_F(SiegpunktmatrixTest, DefaultRowsWithInclusiveLowerBounds) {
    Siegpunktmatrix.push_back(std::make_unique<TSiegIntervall>());
    InitSiegpunktmatrix();
    ASSERT_EQ(Siegpunktmatrix.size(), 9u) << "init replaces the rows";
    EXPECT_EQ(Siegpunktmatrix[8]->Bis, 100000);
    EXPECT_EQ(Siegpunktmatrix[5]->Bis, 1199);
    for (auto [d, sieger] : {std::pair{0, 8},
                             {249, 8},
                             {250, 9},
                             {649, 10},
                             {650, 11},
                             {949, 12},
                             {950, 13},
                             {1450, 15},
                             {1699, 15},
                             {1700, 16},
                             {100001, 16},
                             {INT_MAX, 16}})
        EXPECT_EQ(Punkte(d), std::make_pair(sieger, 16 - sieger)) << d;
    EXPECT_EQ(Punkte(-1), std::make_pair(0, 0));
    EXPECT_EQ(Punkte(INT_MIN), std::make_pair(0, 0));
}

TEST_F(SiegpunktmatrixTest, LastRowReachedInListOrderWinsAndEmptyGivesNothing) {
    Siegpunktmatrix.clear();
    EXPECT_EQ(Punkte(500), std::make_pair(0, 0));
    for (TSiegIntervall z : {TSiegIntervall{0, 1, 8, 8}, {500, 1, 10, 6}, {250, 1, 9, 7}})
        Siegpunktmatrix.push_back(std::make_unique<TSiegIntervall>(z));
    EXPECT_EQ(Punkte(600), std::make_pair(9, 7));
    EXPECT_EQ(Punkte(100), std::make_pair(8, 8));
}

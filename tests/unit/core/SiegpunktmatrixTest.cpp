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

} // namespace

TEST(Siegpunktmatrix, DefaultRowsWithInclusiveLowerBounds) {
    ResetCoreState();
    Siegpunktmatrix.push_back(std::make_unique<TSiegIntervall>());
    InitSiegpunktmatrix();
    ASSERT_EQ(Siegpunktmatrix.size(), 9u) << "init replaces the rows";
    EXPECT_EQ(Siegpunktmatrix[8]->Bis, 100000);
    // Pairs of difference and winner points; the loser gets the rest of 16.
    const int faelle[] = {0,   8,  249, 8,  250,  9,  500,  10, 649,  10, 650,  11, 800,     12,
                          949, 12, 950, 13, 1200, 14, 1450, 15, 1699, 15, 1700, 16, INT_MAX, 16};
    for (size_t i = 0; i < std::size(faelle); i += 2)
        EXPECT_EQ(Punkte(faelle[i]), std::make_pair(faelle[i + 1], 16 - faelle[i + 1])) << i;
    EXPECT_EQ(Punkte(-1), std::make_pair(0, 0));
}

TEST(Siegpunktmatrix, LastRowReachedInListOrderWinsAndEmptyGivesNothing) {
    Siegpunktmatrix.clear();
    EXPECT_EQ(Punkte(500), std::make_pair(0, 0));
    for (TSiegIntervall z : {TSiegIntervall{0, 1, 8, 8}, {500, 1, 10, 6}, {250, 1, 9, 7}})
        Siegpunktmatrix.push_back(std::make_unique<TSiegIntervall>(z));
    EXPECT_EQ(Punkte(600), std::make_pair(9, 7));
    EXPECT_EQ(Punkte(100), std::make_pair(8, 8));
    ResetCoreState();
}

TEST(Siegpunktmatrix, DifferenceOfExtremeVictoryPointsDoesNotOverflow) {
    EXPECT_EQ(SiegpunktDifferenz(1200, 800), 400);
    EXPECT_EQ(SiegpunktDifferenz(5, 5), 0);
    EXPECT_EQ(SiegpunktDifferenz(INT_MAX, INT_MIN), INT_MAX);
    EXPECT_EQ(SiegpunktDifferenz(0, INT_MIN), INT_MAX);
    EXPECT_EQ(SiegpunktDifferenz(INT_MAX, -1), INT_MAX);
}

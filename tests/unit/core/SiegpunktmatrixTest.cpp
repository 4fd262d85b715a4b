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

void Zeile(int von, int bis, int sieger, int verlierer) {
    Siegpunktmatrix.push_back(
        std::make_unique<TSiegIntervall>(TSiegIntervall{von, bis, sieger, verlierer}));
}

class SiegpunktmatrixTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
};

} // namespace

TEST_F(SiegpunktmatrixTest, DefaultRowsCoverTheRangesWithSixteenPointsEach) {
    ASSERT_EQ(Siegpunktmatrix.size(), 9u);
    const int von[] = {0, 250, 500, 650, 800, 950, 1200, 1450, 1700};
    const int bis[] = {249, 499, 649, 799, 949, 1199, 1449, 1699, 100000};
    for (int i = 0; i < 9; ++i) {
        const TSiegIntervall& z = *Siegpunktmatrix[static_cast<size_t>(i)];
        EXPECT_EQ(z.Von, von[i]);
        EXPECT_EQ(z.Bis, bis[i]);
        EXPECT_EQ(z.Sieger, 8 + i);
        EXPECT_EQ(z.Verlierer, 8 - i);
    }
    EXPECT_FALSE(SiegpunktmatrixBenutzen);

    // Init replaces, never appends.
    Zeile(5, 6, 1, 1);
    InitSiegpunktmatrix();
    EXPECT_EQ(Siegpunktmatrix.size(), 9u);
}

TEST_F(SiegpunktmatrixTest, LowerBoundsAreInclusiveAndTheUpperBoundIsNeverRead) {
    EXPECT_EQ(Punkte(0), std::make_pair(8, 8));
    EXPECT_EQ(Punkte(249), std::make_pair(8, 8));
    EXPECT_EQ(Punkte(250), std::make_pair(9, 7));
    EXPECT_EQ(Punkte(649), std::make_pair(10, 6));
    EXPECT_EQ(Punkte(650), std::make_pair(11, 5));
    EXPECT_EQ(Punkte(1450), std::make_pair(15, 1));
    EXPECT_EQ(Punkte(1699), std::make_pair(15, 1));
    EXPECT_EQ(Punkte(1700), std::make_pair(16, 0));
    EXPECT_EQ(Punkte(100001), std::make_pair(16, 0));
    EXPECT_EQ(Punkte(INT_MAX), std::make_pair(16, 0));
    EXPECT_EQ(Punkte(-1), std::make_pair(0, 0));
    EXPECT_EQ(Punkte(INT_MIN), std::make_pair(0, 0));
}

TEST_F(SiegpunktmatrixTest, LastRowReachedInListOrderWins) {
    Siegpunktmatrix.clear();
    Zeile(0, 10, 8, 8);
    Zeile(500, 20, 10, 6);
    Zeile(250, 30, 9, 7);
    EXPECT_EQ(Punkte(600), std::make_pair(9, 7));
    EXPECT_EQ(Punkte(400), std::make_pair(9, 7));
    EXPECT_EQ(Punkte(100), std::make_pair(8, 8));
}

TEST_F(SiegpunktmatrixTest, EmptyMatrixGivesNothing) {
    Siegpunktmatrix.clear();
    EXPECT_EQ(Punkte(0), std::make_pair(0, 0));
    EXPECT_EQ(Punkte(5000), std::make_pair(0, 0));
}

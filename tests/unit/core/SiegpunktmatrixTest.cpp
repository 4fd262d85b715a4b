#include "core/Siegpunktmatrix.h"

#include "CoreState.h"
#include "platform/Errors.h"

#include <climits>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

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

namespace {

// The matrix as rows of Von, Bis, Sieger, Verlierer.
std::vector<std::vector<int>> Zeilen() {
    std::vector<std::vector<int>> z;
    for (const auto& r : Siegpunktmatrix)
        z.push_back({r->Von, r->Bis, r->Sieger, r->Verlierer});
    return z;
}

} // namespace

TEST(Siegpunktmatrix, EditorLinesDeriveTheUpperBounds) {
    ResetCoreState();
    std::vector<TMatrixZeile> standard;
    for (const auto& r : Siegpunktmatrix)
        standard.push_back(
            {std::to_string(r->Von), std::to_string(r->Sieger), std::to_string(r->Verlierer)});
    auto erwartet = Zeilen();
    erwartet.back()[1] = 17000; // every other upper bound already follows the rule
    SetzeSiegpunktmatrix(standard);
    EXPECT_EQ(Zeilen(), erwartet);

    const struct {
        std::vector<TMatrixZeile> zeilen;
        std::vector<std::vector<int>> erwartet;
    } faelle[] = {
        {{{"0", "8", "8"}}, {{0, 0, 8, 8}}},
        {{}, {}},
        // Unsorted lines are taken as they stand; bounds stay within int.
        {{{" 500", "+10", "6"}, {"250", "9", "7"}}, {{500, 249, 10, 6}, {250, 2500, 9, 7}}},
        {{{"-2147483648", "1", "1"}, {"-2147483648", "2", "2"}, {"300000000", "3", "3"}},
         {{INT_MIN, INT_MIN, 1, 1}, {INT_MIN, 299999999, 2, 2}, {300000000, INT_MAX, 3, 3}}},
    };
    for (const auto& f : faelle) {
        SetzeSiegpunktmatrix(f.zeilen);
        EXPECT_EQ(Zeilen(), f.erwartet) << f.zeilen.size();
    }
}

TEST(Siegpunktmatrix, TheFirstCellThatIsNoIntegerIsNamedAndTheMatrixStaysWhole) {
    ResetCoreState();
    const auto vorher = Zeilen();
    // Line and column of the cell named, -1 -1 when none is.
    const auto Falsch = [](const std::vector<TMatrixZeile>& zeilen) {
        try {
            SetzeSiegpunktmatrix(zeilen);
        } catch (const EMatrixZelle& fehler) {
            return std::pair(fehler.Zeile, fehler.Spalte);
        }
        return std::pair(-1, -1);
    };
    for (const char* zelle : {"", "abc", "1.5", "7x", "2147483648"}) {
        // The bad cell stands in the last line, after lines that convert.
        EXPECT_EQ(Falsch({{"0", "8", "8"}, {"100", "9", zelle}}), std::pair(1, 2)) << zelle;
        EXPECT_EQ(Zeilen(), vorher) << zelle;
    }
    // Lines in order, each from left to right.
    EXPECT_EQ(Falsch({{"0", "8", "x"}, {"", "9", "7"}}), std::pair(0, 2));
    EXPECT_EQ(Falsch({{"0", "8", "8"}, {"1", "", "y"}}), std::pair(1, 1));
}

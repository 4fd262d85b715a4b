#include "core/Siegpunktmatrix.h"

#include <algorithm>
#include <climits>

TObjectList<TSiegIntervall> Siegpunktmatrix;
bool SiegpunktmatrixBenutzen;

void InitSiegpunktmatrix() {
    static constexpr TSiegIntervall standard[] = {
        {0, 249, 8, 8},      {250, 499, 9, 7},    {500, 649, 10, 6},
        {650, 799, 11, 5},   {800, 949, 12, 4},   {950, 1199, 13, 3},
        {1200, 1449, 14, 2}, {1450, 1699, 15, 1}, {1700, 100000, 16, 0},
    };
    Siegpunktmatrix.clear();
    for (const TSiegIntervall& zeile : standard)
        Siegpunktmatrix.push_back(std::make_unique<TSiegIntervall>(zeile));
}

int SiegpunktDifferenz(int a, int b) {
    return static_cast<int>(std::min<long long>(static_cast<long long>(a) - b, INT_MAX));
}

void SiegpunkteZuPunkten(int differenz, int& sieger, int& verlierer) {
    sieger = 0;
    verlierer = 0;
    // The rows need not be sorted: the last row reached in list order wins.
    for (const auto& zeile : Siegpunktmatrix) {
        if (zeile->Von <= differenz) {
            sieger = zeile->Sieger;
            verlierer = zeile->Verlierer;
        }
    }
}

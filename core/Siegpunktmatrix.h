#pragma once
// The victory-points matrix: turns the victory-point difference of a game into the tournament
// points of winner and loser, when the matrix is in use.
#include "core/Data.h"

// One row: a range of the difference and the points of both sides.
class TSiegIntervall {
public:
    int Von = 0; // inclusive lower bound; the only bound the lookup reads
    int Bis = 0; // inclusive upper bound; shown, stored and sent, never looked up
    int Sieger = 0;
    int Verlierer = 0;
};

extern TObjectList<TSiegIntervall> Siegpunktmatrix; // in row order
extern bool SiegpunktmatrixBenutzen;

// Replaces the rows with the nine default rows.
void InitSiegpunktmatrix();

// The points of the last row in list order whose Von is at most the difference; 0 and 0 when no
// row reaches it (also for an empty matrix). Callers pass the non-negative difference and give
// the winner points to the side with more victory points.
void SiegpunkteZuPunkten(int differenz, int& sieger, int& verlierer);

// a - b for a >= b without overflow: victory points may be any two numbers (typed in or sent by a
// client). Capping at INT_MAX changes no lookup, as no row's lower bound lies above it.
int SiegpunktDifferenz(int a, int b);

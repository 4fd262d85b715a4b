#pragma once
// The victory-points matrix: turns the victory-point difference of a game into the tournament
// points of winner and loser, when the matrix is in use.
#include "core/Data.h"
#include "platform/Errors.h"

#include <string>
#include <vector>

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

// The editor takes at most this many rows, one grid line each; its count field refuses more.
constexpr int HoechsteMatrixZeilen = 1000;

// One line of the editor as typed (Windows-1252): lower bound, winner's and loser's points.
struct TMatrixZeile {
    std::string Von, Sieger, Verlierer;
};

// A cell of the editor's lines that is no integer; what() is the conversion's message.
class EMatrixZelle : public EConvertError {
public:
    EMatrixZelle(const EConvertError& fehler, int zeile, int spalte)
        : EConvertError(fehler), Zeile(zeile), Spalte(spalte) {}
    int Zeile;  // index into the lines
    int Spalte; // 0 Von, 1 Sieger, 2 Verlierer
};

// Replaces the rows with the lines, in their order, unsorted: each Bis is one below the next
// line's Von, the last line's Bis ten times its Von (both held within int). Every cell is converted
// before anything changes, so the first cell that is no integer (lines in order, each left to
// right) raises EMatrixZelle and leaves the matrix whole.
void SetzeSiegpunktmatrix(const std::vector<TMatrixZeile>& zeilen);

// The points of the last row in list order whose Von is at most the difference; 0 and 0 when no
// row reaches it (also for an empty matrix). Callers pass the non-negative difference and give
// the winner points to the side with more victory points.
void SiegpunkteZuPunkten(int differenz, int& sieger, int& verlierer);

// The points of both sides of a game from their victory points; on a tie side 2 takes the
// winner's points of the row for difference 0.
void PunkteAusSiegpunkten(int siegpunkte1, int siegpunkte2, int& punkte1, int& punkte2);

// a - b for a >= b without overflow: victory points may be any two numbers (typed in or sent by a
// client). Capping at INT_MAX changes no lookup, as no row's lower bound lies above it.
int SiegpunktDifferenz(int a, int b);

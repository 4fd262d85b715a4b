#pragma once
// The header of the tournament file with its tables and matrix blocks. Writers take the
// process-wide state; readers fill a TTurnierStand, whose fields an older file does not hold keep
// the values they had.
#include "core/TurnierStand.h"
#include "platform/BinaerPuffer.h"

// Tables block: the table options and the table groups.
void SchreibeTische(TBinaerSchreiber& out);
void LeseTische(TBinaerLeser& in, TTischStand& tische);

// Matrix block: block version 1, the use flag and the rows.
void SchreibeSiegpunktmatrix(TBinaerSchreiber& out);
// Empties the rows first; the block version is read and ignored.
void LeseSiegpunktmatrix(TBinaerLeser& in, TMatrixStand& matrix);

// Everything between the format version and the player count.
void SchreibeKopf(TBinaerSchreiber& out);
void LeseKopf(TBinaerLeser& in, int version, TTurnierStand& stand);

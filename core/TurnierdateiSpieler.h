#pragma once
// The player records of the tournament file: one record per player with its round records.
// Version 18 is written; the reader takes the layouts of versions 1 to 17 as well.
#include "core/Data.h"
#include "platform/BinaerPuffer.h"

#include <cstddef>
#include <memory>

void SchreibeRundenErgebnis(TBinaerSchreiber& out, const TRundenErgebnis& runde);
TRundenErgebnis LeseRundenErgebnis(TBinaerLeser& in, int version);

// The count of round records and the records, round 1 first.
void SchreibeRunden(TBinaerSchreiber& out, const TSpieler& spieler);
// Reads nothing below version 16: those files hold five rounds inside the player record.
void LeseRunden(TBinaerLeser& in, TSpieler& spieler, int version);

void SchreibeSpieler(TBinaerSchreiber& out, const TSpieler& spieler);
// A new player from its record; the stored ArchivID is dropped (-1).
std::unique_ptr<TSpieler> LeseSpieler(TBinaerLeser& in, int version);

// The smallest number of bytes a player record of that version takes (no round records).
std::size_t SpielerMindestgroesse(int version);

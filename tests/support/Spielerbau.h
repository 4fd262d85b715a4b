#pragma once
// Builds tournament state for tests: players appended to Spielerliste, games on both sides.
#include "core/Data.h"

#include <string_view>

// Appends a player with the start number and the names; everything else is the caller's.
TSpieler& SpielerAnlegen(int nummer, std::string_view vorname, std::string_view name);

// Enters the game of the start numbers a and b at the table into round r of both players.
void SpielPaaren(int r, int a, int b, int tisch);

#pragma once
// Builds tournament state for tests (players appended to Spielerliste, games on both sides) and
// reads a player's round back as one value.
#include "core/Data.h"

#include <string_view>
#include <vector>

// Appends a player with the start number and the names; everything else is the caller's.
TSpieler& SpielerAnlegen(int nummer, std::string_view vorname, std::string_view name);

// Enters the game of the start numbers a and b at the table into round r of both players.
void SpielPaaren(int r, int a, int b, int tisch);

// Round r of a player: opponent, victory points, points, fair play, scenario points.
std::vector<int> RundenWerte(const TSpieler& s, int r);

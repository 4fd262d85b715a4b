#pragma once
// The result file for the ranking service "T3": two header lines, then one line of sixteen
// "||"-separated fields per player of Spielerliste in its present order; every line ends "||x".
// Windows-1252, without line ends.
#include "platform/Uhr.h"

#include <string>
#include <vector>

// A value holding "||", CR or LF, or beginning or ending with "|", would shift the fields of its
// line in the service's file: such a tournament is refused with a TuvonError naming the player and
// the field, and nothing is built.
std::vector<std::string> T3ExportZeilen(int runde, const TDatum& datum);

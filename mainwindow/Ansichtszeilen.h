#pragma once
// The rows of the main window's views, built from the tournament state without any window code.
// A row holds the cells of columns 1, 2, ... as Windows-1252 text; fractional numbers use the
// decimal separator given.
#include <string>
#include <vector>

using TZeile = std::vector<std::string>;

struct TZusatzspalte {
    int textId; // heading, section 1
    int breite;
};

// The optional columns of the standings after column 5, in order, as far as their option is on.
std::vector<TZusatzspalte> ZusatzspaltenDerTabelle();

// Standings counting rounds 1 to runde, players in list order, deleted players left out.
std::vector<TZeile> TabellenZeilen(int runde, char dezimal);
// The games of the round, each once; with groups the group of the first player is the last cell.
std::vector<TZeile> SpieleZeilen(int runde);
// Every player in list order, deleted players included.
std::vector<TZeile> PaarungsinfoZeilen(char dezimal);

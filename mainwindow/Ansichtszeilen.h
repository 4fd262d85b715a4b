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

// The team, army and origin rankings one below the other, each under its title row, with an empty
// row between them; averages with two decimals.
std::vector<TZeile> WertungsZeilen(const std::string& titelTeams, const std::string& titelArmeen,
                                   const std::string& titelOrte, char dezimal);
// The team pairings of the round: a team row with the summed points and victory points, a row per
// member game below it and an empty row after. Rounds a team does not record give no rows.
std::vector<TZeile> TeamspieleZeilen(int runde);

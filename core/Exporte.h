#pragma once
// The lines of the text and HTML exports, built from the tournament state in Windows-1252 and
// without line ends; the main window asks for the file and writes them.
#include <string>
#include <vector>

class TSpieler;

// Scores rounds 1 to runde with the options in force and puts Spielerliste into standings order,
// as the standings exports and the result export do before building their lines.
void WerteFuerExport(int runde);

// The player's tournament points of rounds 1 to runde (none when runde < 1).
long long PunkteBisRunde(const TSpieler& s, int runde);

// The games of the round, each once at the side with the lower start number, byes included, in
// the present order of Spielerliste.
std::vector<std::string> SpieltagTextZeilen(int runde);
// The header, then per player its row and its army line, in the present order of Spielerliste.
std::vector<std::string> TabelleTextZeilen(int runde);
// The standings as an HTML table, one element a line; texts are escaped for HTML.
std::vector<std::string> TabelleHtmlZeilen(int runde);

// Text with &, <, >, " and ' written as HTML character references.
std::string HtmlText(const std::string& text);

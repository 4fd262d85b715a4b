#pragma once
// What the table management dialog does to the tournament, apart from its controls: the bounds of
// the counts it takes, the table count raised on showing, the table groups fitted to their count,
// and the new assignment of the round's tables. Texts of section 18.
//
// Each operation runs in one go on the main thread, so the result server's work, which runs
// there between the main thread's steps, never sees a half-changed pairing list.
#include <string>
#include <vector>

class TPaarung;

void RegistriereTischverwaltungTexte();

// A table count the dialog takes: 0 to HoechsteTischAnzahl, as a tournament file may hold. A
// negative or huge count is ignored like a text that is no number.
bool TischanzahlErlaubt(int anzahl);
// A group count the dialog takes: above 1 and below AnzahlTische (and so within the table bound).
bool TischgruppenanzahlErlaubt(int anzahl);

// On showing: Paarungsliste built when empty and sorted by best standings position (also in a
// team tournament), then AnzahlTische raised to at least the number of pairings the tables are
// given to and to half the number of players, rounded down.
void TischverwaltungVorbereiten();

// Fits Tischgruppen to AnzahlTischgruppen. Groups not edited by hand are made anew, the tables
// 1..AnzahlTische split into consecutive blocks, the first (AnzahlTische mod n) groups one table
// larger; groups edited by hand keep theirs, new ones are appended with tables 0 and 0, surplus
// ones dropped from the end.
void TischgruppenAnpassen();

// One column of the groups grid as typed (Windows-1252).
struct TTischgruppenSpalte {
    std::string Name, ErsterTisch, LetzterTisch;
};
// Replaces Tischgruppen with the columns; a table cell that is no whole number gives 0.
void TischgruppenAusSpalten(const std::vector<TTischgruppenSpalte>& spalten);

// The line of a fixed pairing: "A : B(Tisch: 4)".
std::string FesteTischZeile(const TPaarung& paarung);

// Assigns the tables of every pairing that is not fixed anew, repairs repeats and group
// violations of a random assignment, and writes the tables into the players (in a team
// tournament into the teams and their members, the pairing list rebuilt from them). Returns the
// warning about what the repair left, empty when nothing is left; the caller shows it once the
// state is whole again.
std::string TischeNeuZuweisen();

#pragma once
// Table assignment of the current round: top tables, random or ordered tables that avoid tables a
// player already used, table groups with a per-group limit, the repair by swapping and the check
// with its warning.
//
// Every operation that reads pairings takes the list it works on: Paarungsliste for a round of
// players, Teampaarungsliste in a team tournament. Both hold TPaarung objects.
#include "core/Data.h"

#include <string>

class TPaarung;

// A table of an assignment run; also the entry of a pairing's lists of earlier tables, where only
// Nummer counts.
class TTisch {
public:
    int Nummer = 0;      // 1-based
    int Gruppe = 0;      // 1-based position in Tischgruppen, 0 for none
    int Zufallswert = 0; // random sort key 0..9999
    bool Belegt = false; // taken in this run
};

// A named range of tables; a table belongs to it when it equals ErsterTisch or LetzterTisch or
// lies above ErsterTisch and below LetzterTisch (so a reversed range holds just its two ends).
class TTischgruppe {
public:
    FixedString<50> Name;
    int ErsterTisch = 0;
    int LetzterTisch = 0;
};

extern TObjectList<TTisch> Tischliste; // tables of the last run, in random order
extern TObjectList<TTischgruppe> Tischgruppen;
extern bool TischeZufaellig;
extern int ErsteInReihenfolge; // pairings whose better position is at most this sit at 1, 2, ...
extern int AnzahlTische;       // minimum number of tables; runs raise it to the pairing count
// Upper bound of AnzahlTische as read from a file.
constexpr int HoechsteTischAnzahl = 10000;
extern bool TischgruppenBeruecksichtigen;
extern int WieOftProGruppe;
extern int AnzahlTischgruppen;
extern bool TischgruppenManuell;

// Empties Tischliste and Tischgruppen and sets the default options.
void InitTische();

// 1-based position of the group that holds the table (the last one when several do), 0 for none.
int TischgruppeVonTisch(int tisch);
// The name of that group, else the text "keine Gruppe" (Windows-1252).
std::string TischgruppenName(int tisch);

// True when a fixed pairing of the list sits at this table.
bool TischBelegt(const TObjectList<TPaarung>& paarungen, int tisch);
// Rebuilds Tischliste with at least one table per pairing, in random order.
void ErstelleTischliste(const TObjectList<TPaarung>& paarungen);
// Smallest index from start on whose table is not taken, -1 when none.
int NaechsterFreierTisch(int start);

// Seats the pairings (sorted by BesterPlatz) whose better position is at most ErsteInReihenfolge
// at tables 1, 2, ... and fixes them there.
void VergebeSpitzentische(TObjectList<TPaarung>& paarungen);
// Gives every pairing that is not fixed a table. Always true.
bool VerteileTische(TObjectList<TPaarung>& paarungen);
// Players who sit at a table they played at before (fixed pairings not counted).
int ZaehleTischwiederholungen(const TObjectList<TPaarung>& paarungen);
// Players who sit in a table group they already reached the limit in (fixed pairings not counted).
int ZaehleGruppenverstoesse(const TObjectList<TPaarung>& paarungen);
// One repair pass swapping tables between pairings that are not fixed.
void TauscheTische(TObjectList<TPaarung>& paarungen);
// After a random assignment: repairs what it can and returns the warning with the counts that
// remain, using texts 5 and 6 of the given text section (7 or 18); empty when nothing remains or
// the tables are not drawn at random. The assignment stays in any case.
std::string TischverteilungWarnung(TObjectList<TPaarung>& paarungen, int abschnitt);
// The same, showing the warning.
void PruefeTischverteilung(TObjectList<TPaarung>& paarungen, int abschnitt);

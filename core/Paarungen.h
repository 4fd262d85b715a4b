#pragma once
// The games of the round AktuellerSpieltag. The players' results are the record; a pairing holds
// working copies of both sides' results and the tables both players used before. Edits reach the
// players only through SchreibeErgebnis or UebernehmeTische.
#include "core/Data.h"
#include "core/Tische.h"

#include <string>

class TPaarung {
public:
    std::string Name1; // GetNameMitNick of side 1 (for team pairings the team name)
    std::string Name2;
    int Nummer1 = 0; // start number (team number) of side 1, the lower of the two
    int Nummer2 = 0;
    // Tables of the earlier rounds: both sides interleaved round by round, and each side alone.
    TObjectList<TTisch> BisherigeTische;
    TObjectList<TTisch> BisherigeTische1;
    TObjectList<TTisch> BisherigeTische2;
    bool TischFest = false; // the table assignment leaves this pairing where it is
    int BesterPlatz = 0;
    TRundenErgebnis Ergebnis1; // working copy of side 1's result of the round
    TRundenErgebnis Ergebnis2;
    bool Geaendert = false;
    bool Eingegeben = false;
    bool VomClient = false;

    // Appends one earlier round: side 1's table, then side 2's.
    void FuegeBisherigeRundeHinzu(int tisch1, int tisch2);

    void SetTisch(int tisch);
    int GetTisch() const { return Ergebnis1.Tisch; }

    // Writes both working copies into the players' round AktuellerSpieltag; a side whose player
    // does not exist is skipped.
    void SchreibeErgebnis() const;
    // Loads both working copies from the players' round AktuellerSpieltag (the getters' defaults
    // for a round not stored); a side whose player does not exist keeps its copy.
    void LeseErgebnis();

    // Whether table t may be given to this pairing: none of the players sat there before and,
    // when table groups are observed, neither reached the group's limit.
    bool TischErlaubt(int tisch) const;
    // 0, 1 or 2 players who played at the pairing's table before; 0 when fixed.
    int ZaehleTischwiederholungen() const;
    // 0, 1 or 2 players who reached the group limit at the pairing's table; 0 when fixed or when
    // groups are not observed.
    int ZaehleGruppenverstoesse() const;
};

extern TObjectList<TPaarung> Paarungsliste;

// Rebuilds Paarungsliste from the players' results of AktuellerSpieltag, sorted by table.
void ErstellePaarungsliste();

// Negative when a goes first, positive when b goes first, 0 when equal.
int VergleichePaarungNachTisch(const TPaarung& a, const TPaarung& b);
int VergleichePaarungNachPlatz(const TPaarung& a, const TPaarung& b);
void SortierePaarungenNachTisch();
void SortierePaarungenNachPlatz();

// Writes every pairing's table and working copies back into both players.
void UebernehmeTische();

// The first pairing whose Nummer1 or Nummer2 is the start number, or nullptr.
TPaarung* FindePaarungVonSpieler(int startnummer);

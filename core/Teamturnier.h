#pragma once
// The team tournament: teams of up to five members meet team against team, member slot against
// member slot, and each team pairing shares one table. The players' round results are the record;
// the teams, their opponents and tables are derived from them again by ErstelleTeampaarungen.
//
// A team keeps opponents and tables for rounds 1 to 5 and members for slots 1 to 5 only. Rounds
// and slots outside that range are never read or written: a player whose TeamNr lies outside
// 1..5 belongs to his team but holds no slot (and so gets no member game); a round above 5 has no
// team pairings, and committing one is refused with an error before anything changes.
#include "core/Data.h"
#include "core/Paarungen.h"
#include "platform/FixedString.h"

#include <array>
#include <string>

constexpr int TeamRunden = 5;  // rounds a team records
constexpr int TeamPlaetze = 5; // member slots of a team

// Round r can be recorded for teams (1..TeamRunden).
bool IstTeamrunde(int r);

class TTTTeam {
public:
    FixedString<30> Name; // as the first player of the team spelled it
    // Copies of the averages of the team's aggregate (in a team tournament its sums).
    double Sonstiges = 0.0;
    double Gesamt = 0.0; // first sort key
    double Punkte = 0.0;
    double Fairplay = 0.0;
    double Bemalung = 0.0;
    double Quiz = 0.0;
    double Armee = 0.0;
    double Differenz = 0.0;
    int Nummer = 0;       // unique; pairings and opponents refer to teams by it
    bool Gepaart = false; // paired in the current pairing run
    // Slot 0: list position of the partner found in the current pairing run, -1 none.
    // Slot k (1..5): Nummer of the opponent team in round k, -1 none.
    std::array<int, TeamRunden + 1> Gegner{-1, -1, -1, -1, -1, -1};
    // Slot k (1..5): start number of the member whose TeamNr is k, -1 none. Slot 0 is unused.
    std::array<int, TeamPlaetze + 1> Mitglieder{-1, -1, -1, -1, -1, -1};
    // Slot k (1..5): the team's table in round k, 0 none. Slot 0 is unused.
    std::array<int, TeamRunden + 1> Tische{0, 0, 0, 0, 0, 0};

    // Reads for any round or slot number: outside 1..5 they answer -1, -1 and 0.
    int GegnerInRunde(int r) const;
    int MitgliedAufPlatz(int k) const;
    int TischInRunde(int r) const;
};

// The teams, in ranking order after the last sort. Only ever grows, except that loading a
// tournament file empties it, so Nummer values stay unique.
extern TObjectList<TTTTeam> Teamliste;
// The team pairings of round AktuellerSpieltag: Name1/Name2 team names, Nummer1/Nummer2 team
// numbers (Nummer1 the lower), earlier tables of rounds 1 to AktuellerSpieltag - 1, the table in
// the working copies. Rebuilt by ErstelleTeampaarungen.
extern TObjectList<TPaarung> Teampaarungsliste;

// The pairings the table assignment works on: Teampaarungsliste in a team tournament, else
// Paarungsliste.
TObjectList<TPaarung>& PaarungslisteFuerTische();

// Team names are compared trimmed of blanks and control characters, exact and case-sensitive.
bool TeamExistiert(const std::string& name);
// Position of the first team of that name, -1 when none.
int FindeTeam(const std::string& name);
// Position of the team with that Nummer, -1 when none.
int FindeTeamNachNummer(int nummer);

// Negative when a ranks first: higher Gesamt, then the lower Nummer.
int VergleicheTeams(const TTTTeam& a, const TTTTeam& b);
// Sorts Teamliste with VergleicheTeams.
void SortiereTeamliste();

// Adds the teams of new team names, re-reads members, opponents and tables from the players and
// rebuilds Teampaarungsliste for AktuellerSpieltag (empty for a round above 5).
void ErstelleTeampaarungen();
// BerechneTeampunkte, copies the team aggregates' averages into the teams, sorts Teamliste.
void UebernehmeTeamwertung();

// ---- The pairing run -----------------------------------------------------------------------

// Throws TuvonError when AktuellerSpieltag cannot be recorded for teams (outside 1..5).
void PruefeTeamSpieltag();
// Clears partner and mark of every team and sorts Teamliste.
void VorbereitenTeampaarung();
// Enters a fixed pairing of the teams at positions i and j (i == j gives the team a bye) for
// AktuellerSpieltag. Throws TuvonError, changing nothing, for a position that names no team or a
// round that cannot be recorded.
void SetzeFesteTeampaarung(int i, int j);
// Whether the teams at positions i and j may meet: with KeinePaarungenMehrfach they must not have
// met in an earlier round. False for a position that names no team.
bool TeamPaarungErlaubt(int i, int j);
// Depth-first search pairing every unmarked team, starting at position i, the first unmarked one.
// On failure every pair it tied is untied again and it returns false.
bool PaareTeamsRekursiv(int i);
// Commits the found pairing for AktuellerSpieltag: the teams' opponents, the members' games,
// the team pairings and their tables (with the table check of section 7). Every player's opponent
// and table of the round are cleared first, so a round paired again keeps nothing of the earlier
// pairing. Throws TuvonError before changing anything when the round cannot be recorded for teams.
void UebernehmeTeampaarung();
// Each team pairing's table becomes both teams' table of AktuellerSpieltag.
void UebernehmeTeamTische();
// Pairs the members of paired teams slot against slot for AktuellerSpieltag and gives them their
// team's table. Slots without a player on either side, and deleted players, get no game.
void UebernehmeTeamPaarungen();

#pragma once
// The pairing run of the round AktuellerSpieltag: the players' working fields, the group check,
// the five pairing rules with their tolerances and the search for a complete pairing.
//
// Rules, by index (each counted only while its flag is on):
//   0 GleicheArmeenBeachten   same army (unless the lower player's army counts as neutral)
//   1 KeinePaarungenMehrfach  the two met before
//   2 GleicheOrteBeachten     same origin, not "Neutral"
//   3 NurNMalGegenArmee       either met the other's army MalGegenSelbeArmee times or more
//   4 GleicheTeamsBeachten    same team, not "Neutral"
// Only the rounds before AktuellerSpieltag are looked at.
#include <cstdint>

// Violations per rule among the pairs accepted so far in the current search.
extern int Verstoesse[5];
// Violations (0 or 1 per rule) of the pair checked last; after a failed search it holds nothing
// of meaning.
extern int PaarVerstoesse[5];

// The effort bound of PaareRekursiv, in search steps (candidate pairs tried plus the work of the
// feasibility checks), some 20 s to 1.5 min of searching. A search that reaches it stops and
// fails like one that found nothing; a search that ends within it is not affected.
constexpr std::int64_t StandardPaarungsSuchgrenze = 4'000'000'000;
extern std::int64_t PaarungsSuchgrenze;
// True when the last PaareRekursiv stopped at the effort bound rather than proving that no
// pairing exists.
extern bool PaarungsSucheAbgebrochen;
// The steps the last PaareRekursiv took.
extern std::int64_t PaarungsSuchaufwand;

// Resets the counters and every player's working fields (deleted players count as paired; the
// neutral lists are applied to army, origin and team) and sorts the standings (SortiereTabelle).
void VorbereitenPaarung();

// True when every group has an even number of players that are not deleted; otherwise shows the
// group message and returns false.
bool PruefeGruppen();

// Sets PaarVerstoesse for the players at list indexes i and j (i the better placed) and adds them
// to Verstoesse. Indexes that name no player count nothing.
void PruefePaarung(int i, int j);

// Pairs every player not marked Gepaart, starting with the one at list index i (normally the
// first unmarked one), under the rules and Toleranzen. The result is the first complete pairing in
// standings order: the best-placed unpaired player gets the first acceptable player below him, an
// earlier choice is revised only when the players after it cannot be paired. On success Partner
// holds each player's partner (list index), all players are marked and Verstoesse holds the
// counts of the pairing; on failure Verstoesse, Partner and Gepaart are as before the call.
// Expects the unmarked players without a partner, as VorbereitenPaarung leaves them.
bool PaareRekursiv(int i);

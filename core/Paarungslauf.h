#pragma once
// One pairing run of the round AktuellerSpieltag as the pairing dialog drives it, in three steps,
// so that the search, which may take long, can run away from the main thread:
//   PaarungVorbereiten  (main thread) question, seeding, standings, group check, team data,
//                        fixed pairings, bye
//   PaarungSuchen       (any one thread) the search; it reads the players' earlier rounds, the
//                        teams and the options and writes only the working fields (Gepaart,
//                        Partner, the teams' Gepaart and Gegner[0]) and the violation counters,
//                        so nothing else may touch those while it runs; storing results of the
//                        round being paired may go on (every player holds that round by then)
//   PaarungAbschliessen (main thread) commit and messages; after a failed search the rounds
//                        that were added only to make room for those results, and got none,
//                        are taken back, so a failed run leaves no trace in the players
// Messages go through the message seam with the program title as caption; the texts are those of
// section 14 (RegistrierePaarenTexte).
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct TPaarungslauf {
    enum class Stand {
        Beendet, // nothing (more) to do: declined, odd groups, or everything was fixed
        Gepaart, // every side was covered by fixed pairings: committed, no message
        Suche,   // the search must run from Start
    };
    Stand Ergebnis = Stand::Beendet;
    bool Teamturnier = false; // teams are paired, not players
    bool Freilos = false;     // the lowest-placed unpaired player got the bye
    int Start = -1;           // list position of the first unpaired player or team
    // Start number and number of stored rounds of each player before room was made for the
    // round's results.
    std::vector<std::pair<int, int>> RundenVorher;
};

void RegistrierePaarenTexte();

// Runs the steps up to the search. feste holds the fixed pairings as consecutive names (side 1,
// side 2, ...): display names of players, or team names in a team tournament. A name that
// cannot be found raises TuvonError; what was written before stays.
TPaarungslauf PaarungVorbereiten(const std::vector<std::string>& feste);

// The search; true when a complete pairing was found.
bool PaarungSuchen(const TPaarungslauf& lauf);

// After the search: on success commits, calls schliessen, then shows the success message (with
// the bye message and the position gaps for players) and returns true; otherwise takes back the
// room made for the round (PaarungZuruecknehmen), shows the failure message and returns false.
bool PaarungAbschliessen(const TPaarungslauf& lauf, bool gefunden,
                         const std::function<void()>& schliessen);

// Removes the empty rounds that PaarungVorbereiten added to make room for results of the round
// while the search runs; a round that got a result meanwhile stays. For a search that failed or
// threw; on the main thread, after the search has ended.
void PaarungZuruecknehmen(const TPaarungslauf& lauf);

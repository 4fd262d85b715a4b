#pragma once
// Generated tournaments for the pairing engine's benchmark and its hard-field tests: players with
// skewed armies, origins and teams, earlier rounds paired by the engine itself under all five
// rules (loosened step by step, as an organiser would) with drawn results, and the next round
// prepared for the search as the pairing dialog leaves it.
#include <cstdint>
#include <memory>
#include <vector>

class TSpieler;

namespace turnierbau {

// What is done to the field before the measured round.
enum class TArt {
    Normal,      // the field as the rounds left it
    HalbesTeam,  // one team holds exactly half the field: solvable, but only one way round
    GrossesTeam, // one team holds half the field and three more: no pairing within tolerance 2
    GrosseArmee, // three fifths play one army: no pairing within tolerance 2
};
const char* Name(TArt art);

struct TFall {
    int spieler;
    int runden; // played before the measured round
    std::vector<int> toleranzen;
    TArt art = TArt::Normal;
    // Sizes of the pools the players draw from; 0 takes all 14 armies, n/8 towns and n/6 teams.
    int armeen = 0;
    int orte = 0;
    int teams = 0;
};

// Builds the tournament of a case up to the measured round and leaves it prepared for the search
// (Toleranzen set, the bye marked); false when the history could not be paired at all.
bool BaueTurnier(const TFall& fall, std::uint64_t saat);

// The random small fields: 8 to 40 players, 1 to 6 earlier rounds, pools of 3 to 14 armies and of
// 2 to n/4 towns and teams, each tolerance drawn from 0 to hoechsteToleranz; the k-th field of a
// seed is always the same.
TFall KleinesFeld(std::uint64_t saat, int k, int hoechsteToleranz);
// Builds the k-th small field of a seed (BaueTurnier with a seed of its own).
bool BaueKleinesFeld(std::uint64_t saat, int k, int hoechsteToleranz);

// A prepared round kept aside, to be put back before each search.
struct TRunde {
    std::vector<std::unique_ptr<TSpieler>> spieler;
    int spieltag = 1;
    int toleranzen[5] = {};
};
// Takes the prepared round out of the global state.
TRunde Halte();
// Puts a copy of the round back (counters cleared).
void Lade(const TRunde& runde);
// The first unmarked player, -1 when all are marked.
int ErsterFreier();

} // namespace turnierbau

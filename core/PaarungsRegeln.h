#pragma once
// The five pairing rules as a bit mask per pair of players (bit k = rule k violated), for the
// round AktuellerSpieltag under the rule flags in force.
#include <cstdint>
#include <string>
#include <vector>

class TSpieler;

namespace paarung {

// Mask of a pair that may not be paired at all (groups observed and different).
constexpr std::uint8_t KeinPaar = 0x80;

// The mask of the players at list indexes i and j, i the better placed, read straight from the
// players: what PruefePaarung counts.
std::uint8_t Verstossmaske(int i, int j);

// Whether the player met a player numbered nummer in rounds 1 to bisRunde.
bool HatGegner(const TSpieler& s, int nummer, int bisRunde);
// How often the player met the army in rounds 1 to bisRunde.
int MalGegenArmee(const TSpieler& s, const std::string& armee, int bisRunde);

// The masks of every pair of a set of players, computed once for a search. Positions are the
// indexes into the list of players given, which keeps the standings order.
class TRegelmatrix {
public:
    explicit TRegelmatrix(const std::vector<int>& listenindizes);

    int Anzahl() const { return anzahl_; }
    int Listenindex(int position) const { return spieler_[static_cast<size_t>(position)]; }
    // Mask of the pair at positions a and b, whichever order; the better placed decides.
    std::uint8_t Maske(int a, int b) const {
        return masken_[static_cast<size_t>(a) * static_cast<size_t>(anzahl_) +
                       static_cast<size_t>(b)];
    }

private:
    int anzahl_;
    std::vector<int> spieler_;
    std::vector<std::uint8_t> masken_;
};

} // namespace paarung

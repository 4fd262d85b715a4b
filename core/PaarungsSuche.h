#pragma once
// The depth-first search for the first complete pairing in standings order, with exact pruning.
//
// The order is that of the plain backtracking: the first free player takes the first acceptable
// partner below him, and a choice is revised only when the players after it cannot be paired.
// Since violations only ever add up, that result is the first pairing in this order whose counts
// stay within the budgets; a branch may therefore be cut as soon as it is proven to hold no
// complete pairing at all, and the result stays the same. Branches are cut by
//   - matchings: the free players must have a perfect matching among the pairs the budgets still
//     allow, and for every set K of rules with budget left, the pairs violating none of K must
//     cover all but (sum of K's budgets) pairs; a perfect matching without any violation proves
//     the branch completable;
//   - positions already proven to fail: the set of free players and the budgets left decide the
//     rest of the search, and fewer budgets fail wherever more did;
//   - weights: for small weights on one or two rules (or all), the cheapest perfect matching
//     must not cost more than the weighted budgets (a weighted matching per weighting, run on
//     smaller positions, and on larger ones at the start and once a search has become long).
// A level that tries several partners learns once, per set of rules, which partners keep a
// maximum matching as large as it can be (Gallai and Edmonds), and answers every further
// partner's matching checks from that.
// The effort is counted in steps (pairs tried plus matching work); at the bound the search stops.
#include "core/PaarungsMatching.h"
#include "core/PaarungsRegeln.h"

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace paarung {

enum class TSuchergebnis { Gefunden, Unmoeglich, Abgebrochen };

// Violations still allowed per rule.
using TBudget = std::array<int, 5>;

// Positions (free-player sets with budgets) proven to hold no complete pairing.
class TFehlschlaege {
public:
    explicit TFehlschlaege(int woerter) : woerter_(woerter) {}
    bool Bekannt(const std::vector<std::uint64_t>& menge, std::uint64_t schluessel,
                 const TBudget& budget) const;
    void Merke(const std::vector<std::uint64_t>& menge, std::uint64_t schluessel,
               const TBudget& budget);

private:
    // Memory for the remembered sets is bounded; beyond it nothing more is remembered.
    static constexpr std::size_t MaxWoerter = std::size_t{1} << 22;
    int woerter_;
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> index_;
    std::vector<std::uint64_t> mengen_;
    std::vector<TBudget> budgets_;
};

class TPaarungsSuche {
public:
    // Effort is added to aufwand; the search stops once aufwand exceeds grenze. Without the
    // matching checks only remembered failures cut branches (for tests of that part alone).
    TPaarungsSuche(const TRegelmatrix& regeln, std::int64_t grenze, std::int64_t& aufwand,
                   bool mitMatchings = true);

    // Pairs the players at the positions frei (ascending) within the budget.
    TSuchergebnis Suche(const std::vector<int>& frei, const TBudget& budget);
    // The pairs found, as positions, in the order the search accepted them.
    const std::vector<std::pair<int, int>>& Paare() const { return paare_; }

private:
    enum class TUrteil { Sicher, Offen, Unmoeglich };
    // What a level knows of one rule set's graph without the level's player: the size of a
    // maximum matching, and the players whose leaving keeps that size.
    struct TOhneSpieler {
        int fragen = 0;
        bool bekannt = false;
        int groesse = 0;
        std::vector<std::uint64_t> ersetzbar;
    };
    struct TEbene {
        explicit TEbene(int s) : spieler(s), ab(s + 1) {}
        int spieler;
        int ab; // the next candidate is looked for from this position on
        int partner = -1;
        std::uint8_t maske = 0;
        std::array<TOhneSpieler, 32> ohne;
    };

    // The verdict on the position; e (null at the start) is the level whose choice led to it.
    TUrteil Pruefe(TEbene* e);
    // Whether the free players hold a matching of ziel pairs among the pairs of the rule set.
    // After e's choice, from the second question on, the answer comes from what e knows.
    bool Reicht(unsigned regeln, int ziel, TEbene* e);
    // The cheapest pairings under weights on the rules: false when even they cost more than the
    // budgets allow.
    bool Gewogen(unsigned erlaubt);
    // Positions of up to GewogenKlein free players get the weighted checks; the start and, after
    // LangeSuche steps, every position of up to GewogenLang.
    static constexpr int GewogenKlein = 48;
    static constexpr int GewogenLang = 256;
    static constexpr std::int64_t LangeSuche = 20'000'000;
    const TBitGraph& Graph(unsigned regeln);
    unsigned Erlaubt() const;
    int ErsterFreier(int ab) const;
    int NaechsterKandidat(int spieler, int ab);
    void Belebe(int p);
    void Entferne(int p);
    void Nimm(int a, int b, std::uint8_t maske);
    void Gib(int a, int b, std::uint8_t maske);

    const TRegelmatrix& regeln_;
    int anzahl_;
    int woerter_;
    std::int64_t grenze_;
    std::int64_t& aufwand_;
    bool mitMatchings_;
    // Per set of rules that may be violated: the pairs allowed and a matching among them.
    std::array<std::unique_ptr<TBitGraph>, 32> graphen_;
    std::array<std::unique_ptr<TMatching>, 32> matchings_;
    std::vector<std::uint64_t> frei_;
    int freiAnzahl_ = 0;
    std::uint64_t schluessel_ = 0;
    std::vector<std::uint64_t> zufall_;
    TBudget budget_{};
    TFehlschlaege fehlschlaege_;
    std::vector<std::pair<int, int>> paare_;
};

// Searches a pairing of the unmarked players of Spielerliste, with the budgets Toleranzen minus
// Verstoesse, and records one found as the plain search leaves it (Partner, Gepaart, Verstoesse,
// PaarVerstoesse). The matrix covers at least the unmarked players, listed by listenindizes.
TSuchergebnis PaareUngepaarte(TPaarungsSuche& suche, const TRegelmatrix& regeln,
                              const std::vector<int>& listenindizes);

} // namespace paarung

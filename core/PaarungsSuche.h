#pragma once
// The search for the first complete pairing in standings order.
//
// The order is that of the plain backtracking: the first free player takes the first acceptable
// partner below him, and a choice is revised only when the players after it cannot be paired.
// Since violations only ever add up, the result is the pairing that takes, level by level, the
// first acceptable partner after which the rest can still be paired within the budgets. The
// search therefore
//   - first runs the plain order for a few steps, which settles most fields at once;
//   - otherwise, on fields of the sizes events have, decides at each level, partner by partner,
//     whether the rest can be completed: exactly, by a branch and bound over the free players
//     (the player with the fewest violation-free partners first) whose bounds are necessary
//     conditions only, so a "no" is a proof and a "yes" comes with a completion (a witness). The
//     witness's partner needs no question; only the partners before it are asked about;
//   - on larger fields searches in the plain order, the bounds cutting branches that cannot be
//     completed (a level that tries several partners learns once, per set of rules, which
//     partners keep a maximum matching as large as it can be, Gallai and Edmonds).
// The bounds:
//   - matchings: the free players must have a perfect matching among the pairs the budgets still
//     allow, and for every set K of rules with budget left, the pairs violating none of K must
//     cover all but (sum of K's budgets) pairs; a perfect matching without any violation proves
//     the position completable;
//   - positions already proven to fail: the set of free players and the budgets left decide the
//     rest, and fewer budgets fail wherever more did;
//   - weights: for small weights on the rules, the cheapest perfect matching must not cost more
//     than the weighted budgets (a weighted matching per weighting); one that fits the budgets is
//     a witness.
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

    // Steps of the plain order tried before the exact decisions.
    static constexpr std::int64_t SchlichteSchritte = 20'000;
    // Fields of up to this many free players are decided exactly level by level; larger ones
    // are searched in the plain order with the checks cutting branches.
    static constexpr int ExaktBis = 64;

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

    // The plain backtracking for at most schritte steps; Abgebrochen when they did not suffice
    // (the position is then as before).
    TSuchergebnis Schlicht(std::int64_t schritte);
    // Whether the free players can be completed within the budgets; on success zeuge_ holds a
    // completion for them. The position is left as it was.
    TSuchergebnis Loesbar();
    // Larger fields: the plain order with the checks below cutting branches, and remembered
    // failures.
    TSuchergebnis Geordnet();
    // The verdict on the position; e (null at the start) is the level whose choice led to it.
    TUrteil Pruefe(TEbene* e);
    // The matching counts of the budgets: false when the position is proven to hold no completion.
    bool Abzaehlbar(TEbene* e);
    // Whether the free players hold a matching of ziel pairs among the pairs of the rule set.
    // After e's choice, from the second question on, the answer comes from what e knows.
    bool Reicht(unsigned regeln, int ziel, TEbene* e = nullptr);
    // The cheapest pairings under weights on the rules (Lagrange multipliers): Unmoeglich when
    // even they cost more than the weighted budgets allow, Sicher when one fits the budgets.
    TUrteil Gewogen(unsigned erlaubt);
    static constexpr int MaxGewicht = 3;
    static constexpr int MaxGewichtungen = 16;
    // Positions of up to GewogenKlein free players get the weighted checks in the plain order; the
    // start and, after LangeSuche steps, every position of up to GewogenLang.
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
    std::vector<int> zeuge_;
    std::array<std::vector<TBudget>, 32> gitter_;
    TBudget letzteGewichtung_{};
    std::vector<std::pair<int, int>> paare_;
};

// Searches a pairing of the unmarked players of Spielerliste, with the budgets Toleranzen minus
// Verstoesse, and records one found as the plain search leaves it (Partner, Gepaart, Verstoesse,
// PaarVerstoesse). The matrix covers at least the unmarked players, listed by listenindizes.
TSuchergebnis PaareUngepaarte(TPaarungsSuche& suche, const TRegelmatrix& regeln,
                              const std::vector<int>& listenindizes);

} // namespace paarung

#pragma once
// Least total cost of a perfect matching (Edmonds' weighted blossom algorithm, primal-dual, with
// integer arithmetic throughout). The pairing search weighs the violations of the pairs with it:
// when even the cheapest perfect matching costs more than the budgets allow, no pairing fits.
#include <cstdint>
#include <vector>

namespace paarung {

struct TKante {
    int a;
    int b;
    int kosten; // 0 or more
};

// The least sum of costs over all perfect matchings of the vertices 0..anzahl-1 using the edges
// given, or -1 when there is no perfect matching. Adds the work done to aufwand. When partner is
// given, it receives such a cheapest matching (the partner of each vertex).
long long KleinsteKosten(int anzahl, const std::vector<TKante>& kanten, std::int64_t& aufwand,
                         std::vector<int>* partner = nullptr);

} // namespace paarung

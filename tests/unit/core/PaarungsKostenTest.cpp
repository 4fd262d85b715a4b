// The cheapest perfect matching against trying every perfect matching, on small random graphs.
#include "core/PaarungsKosten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using paarung::KleinsteKosten;
using paarung::TKante;

namespace {

// Cheapest perfect matching of the vertices in menge, by pairing the lowest with every partner.
long long Erschoepfend(const std::vector<std::vector<int>>& kosten, unsigned menge,
                       std::vector<long long>& bekannt) {
    if (menge == 0)
        return 0;
    if (bekannt[menge] != -2)
        return bekannt[menge];
    int v = 0;
    while (!(menge >> v & 1))
        ++v;
    long long beste = -1;
    for (int u = v + 1; u < static_cast<int>(kosten.size()); ++u) {
        const int k = kosten[static_cast<size_t>(v)][static_cast<size_t>(u)];
        if (!(menge >> u & 1) || k < 0)
            continue;
        const long long rest = Erschoepfend(kosten, menge & ~(1u << v) & ~(1u << u), bekannt);
        if (rest >= 0 && (beste < 0 || rest + k < beste))
            beste = rest + k;
    }
    return bekannt[menge] = beste;
}

} // namespace

TEST(PaarungsKosten, CheapestPerfectMatchingAsExhaustiveSearchFindsIt) {
    std::mt19937 g(3);
    int ohne = 0, mit = 0;
    for (int fall = 0; fall < 3000; ++fall) {
        const int n = 2 * (1 + static_cast<int>(g() % 7));
        const unsigned dichte = 25 + g() % 75;
        const int teuerste = 1 + static_cast<int>(g() % 5);
        std::vector<std::vector<int>> kosten(static_cast<size_t>(n),
                                             std::vector<int>(static_cast<size_t>(n), -1));
        std::vector<TKante> kanten;
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b)
                if (g() % 100 < dichte) {
                    const int k = static_cast<int>(g() % static_cast<unsigned>(teuerste + 1));
                    kosten[static_cast<size_t>(a)][static_cast<size_t>(b)] = k;
                    kanten.push_back({a, b, k});
                }
        std::shuffle(kanten.begin(), kanten.end(), g);
        std::int64_t aufwand = 0;
        std::vector<long long> bekannt(size_t{1} << n, -2);
        const long long erwartet = Erschoepfend(kosten, (1u << n) - 1, bekannt);
        ASSERT_EQ(KleinsteKosten(n, kanten, aufwand), erwartet) << "case " << fall;
        ++(erwartet < 0 ? ohne : mit);
    }
    EXPECT_GT(ohne, 300);
    EXPECT_GT(mit, 1500);
    std::int64_t aufwand = 0;
    EXPECT_EQ(KleinsteKosten(3, {{0, 1, 0}, {1, 2, 0}}, aufwand), -1);
    EXPECT_EQ(KleinsteKosten(0, {}, aufwand), 0);
}

// The matchings of the feasibility checks against exhaustive counting, on small graphs whose live
// vertices change from question to question as they do during a search.
#include "core/PaarungsMatching.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

using paarung::TBitGraph;
using paarung::TMatching;

namespace {

// Size of a maximum matching among the vertices of menge, by trying every partner of its lowest.
int Groesste(const std::vector<std::vector<bool>>& kante, unsigned menge,
             std::map<unsigned, int>& bekannt) {
    if (menge == 0)
        return 0;
    if (auto it = bekannt.find(menge); it != bekannt.end())
        return it->second;
    int v = 0;
    while (!(menge >> v & 1))
        ++v;
    const unsigned rest = menge & ~(1u << v);
    int best = Groesste(kante, rest, bekannt);
    for (int u = 0; u < static_cast<int>(kante.size()); ++u)
        if ((rest >> u & 1) && kante[static_cast<size_t>(v)][static_cast<size_t>(u)])
            best = std::max(best, 1 + Groesste(kante, rest & ~(1u << u), bekannt));
    bekannt[menge] = best;
    return best;
}

} // namespace

TEST(PaarungsMatching, AnswersLikeExhaustiveCountingWhileTheLiveVerticesChange) {
    std::mt19937 g(7);
    int fragen = 0;
    for (int graphNr = 0; graphNr < 300; ++graphNr) {
        const int n = 2 + static_cast<int>(g() % 13);
        const unsigned dichte = 10 + g() % 80;
        TBitGraph graph(n);
        std::vector<std::vector<bool>> kante(static_cast<size_t>(n),
                                             std::vector<bool>(static_cast<size_t>(n)));
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b)
                if (g() % 100 < dichte) {
                    graph.Verbinde(a, b);
                    kante[static_cast<size_t>(a)][static_cast<size_t>(b)] = true;
                    kante[static_cast<size_t>(b)][static_cast<size_t>(a)] = true;
                }
        TMatching matching(graph);
        std::map<unsigned, int> bekannt;
        unsigned menge = (1u << n) - 1;
        for (int frage = 0; frage < 40; ++frage) {
            // Take out or put back a few vertices, as choosing and undoing pairs does.
            for (unsigned k = g() % 3; k > 0; --k)
                menge ^= 1u << (g() % static_cast<unsigned>(n));
            const int anzahl = __builtin_popcount(menge);
            const int wahr = Groesste(kante, menge, bekannt);
            const int ziel = static_cast<int>(g() % static_cast<unsigned>(n / 2 + 2));
            std::vector<std::uint64_t> lebend{menge};
            std::int64_t aufwand = 0;
            ASSERT_EQ(matching.Reicht(lebend.data(), anzahl, ziel, aufwand), wahr >= ziel)
                << "graph " << graphNr << " question " << frage;
            ++fragen;
            if (frage % 5 == 0) {
                // Which vertices may leave without the maximum shrinking.
                std::vector<std::uint64_t> ersetzbar;
                ASSERT_EQ(matching.Analysiere(lebend.data(), ersetzbar, aufwand), wahr);
                for (int v = 0; v < n; ++v) {
                    if (!(menge >> v & 1))
                        continue;
                    EXPECT_EQ(ersetzbar[0] >> v & 1,
                              Groesste(kante, menge & ~(1u << v), bekannt) == wahr ? 1u : 0u)
                        << "graph " << graphNr << " vertex " << v;
                }
            }
            if (wahr < ziel)
                continue;
            // What it reports holding is a matching of the live vertices on the graph's edges.
            int paare = 0;
            for (int v = 0; v < n; ++v) {
                const int p = matching.Partner(v);
                if (!(menge >> v & 1) || p < 0)
                    continue;
                ASSERT_TRUE(menge >> p & 1);
                ASSERT_EQ(matching.Partner(p), v);
                ASSERT_TRUE(kante[static_cast<size_t>(v)][static_cast<size_t>(p)]);
                ++paare;
            }
            EXPECT_GE(paare / 2, ziel);
        }
    }
    EXPECT_EQ(fragen, 12000);
}

#pragma once
// Maximum matchings in a graph whose set of live vertices changes between questions, for the
// feasibility checks of the pairing search. The matching is kept from one question to the next:
// edges at vertices that left the set are dropped and augmenting paths (Edmonds' blossom search)
// grow it again as far as the question needs.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace paarung {

// An undirected graph on vertices 0..n-1 as rows of adjacency bits.
class TBitGraph {
public:
    TBitGraph(int n)
        : n_(n), woerter_((n + 63) / 64), bits_(static_cast<std::size_t>(n) * woerter_) {}

    int Knoten() const { return n_; }
    int Woerter() const { return woerter_; }
    void Verbinde(int a, int b) {
        Zeile(a)[b / 64] |= std::uint64_t{1} << (b % 64);
        Zeile(b)[a / 64] |= std::uint64_t{1} << (a % 64);
    }
    std::uint64_t* Zeile(int v) { return bits_.data() + static_cast<std::size_t>(v) * woerter_; }
    const std::uint64_t* Zeile(int v) const {
        return bits_.data() + static_cast<std::size_t>(v) * woerter_;
    }

private:
    int n_;
    int woerter_;
    std::vector<std::uint64_t> bits_;
};

class TMatching {
public:
    explicit TMatching(const TBitGraph& graph);

    // Whether the live vertices (bits of lebend, anzahl of them) hold a matching of at least ziel
    // edges. Adds the work done to aufwand.
    bool Reicht(const std::uint64_t* lebend, int anzahl, int ziel, std::int64_t& aufwand);
    // Partner of v in the current matching, -1 for none (meaningful right after Reicht).
    int Partner(int v) const { return partner_[static_cast<std::size_t>(v)]; }

    // Makes the matching of the live vertices maximum and returns its size; ersetzbar (cleared
    // first) receives the live vertices that some maximum matching leaves out, that is those
    // whose leaving keeps the size: the vertices an alternating path of even length links to an
    // unmatched one.
    int Analysiere(const std::uint64_t* lebend, std::vector<std::uint64_t>& ersetzbar,
                   std::int64_t& aufwand);

private:
    // Drops matching edges at vertices that left; lists the unmatched live ones; the size.
    int Bereinige(const std::uint64_t* lebend, std::int64_t& aufwand);
    // Searches an augmenting path from wurzel and flips it; without one, gerade (when given)
    // receives the vertices the search reached at even distance.
    bool Erweitere(int wurzel, const std::uint64_t* lebend, std::int64_t& aufwand,
                   std::vector<std::uint64_t>* gerade = nullptr);
    int GemeinsamerVorfahr(int a, int b);
    void MarkiereBluete(int v, int basis, int kind);
    void Beruehre(int v);
    void Aufraeumen();

    const TBitGraph& graph_;
    std::vector<int> partner_;
    // Search state, clean between searches; only the vertices touched are reset.
    std::vector<int> frei_, vorgaenger_, basis_, schlange_, beruehrt_, marke_;
    std::vector<char> gerade_, inBluete_, istBeruehrt_;
    int markenstand_ = 0;
};

} // namespace paarung

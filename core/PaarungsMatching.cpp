#include "core/PaarungsMatching.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace paarung {

namespace {

bool Lebt(const std::uint64_t* lebend, int v) {
    return (lebend[v / 64] >> (v % 64)) & 1;
}

} // namespace

TMatching::TMatching(const TBitGraph& graph)
    : graph_(graph), partner_(static_cast<size_t>(graph.Knoten()), -1),
      vorgaenger_(static_cast<size_t>(graph.Knoten()), -1),
      basis_(static_cast<size_t>(graph.Knoten())), marke_(static_cast<size_t>(graph.Knoten()), 0),
      gerade_(static_cast<size_t>(graph.Knoten()), 0),
      inBluete_(static_cast<size_t>(graph.Knoten()), 0),
      istBeruehrt_(static_cast<size_t>(graph.Knoten()), 0) {
    for (int v = 0; v < graph.Knoten(); ++v)
        basis_[static_cast<size_t>(v)] = v;
}

int TMatching::Bereinige(const std::uint64_t* lebend, std::int64_t& aufwand) {
    // Drop the edges whose other end left, or whose other end was matched anew meanwhile.
    int groesse = 0;
    frei_.clear();
    const int woerter = graph_.Woerter();
    for (int w = 0; w < woerter; ++w) {
        for (std::uint64_t bits = lebend[w]; bits; bits &= bits - 1) {
            const int v = w * 64 + std::countr_zero(bits);
            int& p = partner_[static_cast<size_t>(v)];
            if (p >= 0 && (!Lebt(lebend, p) || partner_[static_cast<size_t>(p)] != v))
                p = -1;
            if (p >= 0)
                ++groesse;
            else
                frei_.push_back(v);
        }
    }
    aufwand += woerter;
    return groesse / 2;
}

bool TMatching::Reicht(const std::uint64_t* lebend, int anzahl, int ziel, std::int64_t& aufwand) {
    int groesse = Bereinige(lebend, aufwand);
    if (groesse >= ziel)
        return true;
    // One search from every unmatched vertex gives a maximum matching; a vertex without an
    // augmenting path stays unmatched in it, which bounds what is still reachable.
    int ohneWeg = 0;
    for (const int v : frei_) {
        if (partner_[static_cast<size_t>(v)] >= 0)
            continue;
        if ((anzahl - ohneWeg) / 2 < ziel)
            return false;
        if (Erweitere(v, lebend, aufwand)) {
            if (++groesse >= ziel)
                return true;
        } else {
            ++ohneWeg;
        }
    }
    return false;
}

int TMatching::Analysiere(const std::uint64_t* lebend, std::vector<std::uint64_t>& ersetzbar,
                          std::int64_t& aufwand) {
    int groesse = Bereinige(lebend, aufwand);
    for (const int v : frei_)
        if (partner_[static_cast<size_t>(v)] < 0 && Erweitere(v, lebend, aufwand))
            ++groesse;
    // Now maximum: searches from the unmatched vertices find no path and label the vertices
    // reachable at even distance.
    ersetzbar.assign(static_cast<std::size_t>(graph_.Woerter()), 0);
    for (const int v : frei_)
        if (partner_[static_cast<size_t>(v)] < 0)
            Erweitere(v, lebend, aufwand, &ersetzbar);
    return groesse;
}

void TMatching::Beruehre(int v) {
    if (!istBeruehrt_[static_cast<size_t>(v)]) {
        istBeruehrt_[static_cast<size_t>(v)] = 1;
        beruehrt_.push_back(v);
    }
}

void TMatching::Aufraeumen() {
    for (const int v : beruehrt_) {
        const auto i = static_cast<size_t>(v);
        vorgaenger_[i] = -1;
        basis_[i] = v;
        gerade_[i] = 0;
        inBluete_[i] = 0;
        istBeruehrt_[i] = 0;
    }
    beruehrt_.clear();
    schlange_.clear();
}

int TMatching::GemeinsamerVorfahr(int a, int b) {
    if (++markenstand_ == std::numeric_limits<int>::max()) {
        std::fill(marke_.begin(), marke_.end(), 0);
        markenstand_ = 1;
    }
    for (;;) {
        a = basis_[static_cast<size_t>(a)];
        marke_[static_cast<size_t>(a)] = markenstand_;
        if (partner_[static_cast<size_t>(a)] < 0)
            break;
        a = vorgaenger_[static_cast<size_t>(partner_[static_cast<size_t>(a)])];
    }
    for (;;) {
        b = basis_[static_cast<size_t>(b)];
        if (marke_[static_cast<size_t>(b)] == markenstand_)
            return b;
        b = vorgaenger_[static_cast<size_t>(partner_[static_cast<size_t>(b)])];
    }
}

void TMatching::MarkiereBluete(int v, int basis, int kind) {
    while (basis_[static_cast<size_t>(v)] != basis) {
        const int p = partner_[static_cast<size_t>(v)];
        inBluete_[static_cast<size_t>(basis_[static_cast<size_t>(v)])] = 1;
        inBluete_[static_cast<size_t>(basis_[static_cast<size_t>(p)])] = 1;
        vorgaenger_[static_cast<size_t>(v)] = kind;
        kind = p;
        v = vorgaenger_[static_cast<size_t>(p)];
    }
}

bool TMatching::Erweitere(int wurzel, const std::uint64_t* lebend, std::int64_t& aufwand,
                          std::vector<std::uint64_t>* gerade) {
    Beruehre(wurzel);
    gerade_[static_cast<size_t>(wurzel)] = 1;
    schlange_.push_back(wurzel);
    const int woerter = graph_.Woerter();
    for (size_t kopf = 0; kopf < schlange_.size(); ++kopf) {
        const int v = schlange_[kopf];
        const std::uint64_t* zeile = graph_.Zeile(v);
        aufwand += woerter;
        for (int w = 0; w < woerter; ++w) {
            for (std::uint64_t bits = zeile[w] & lebend[w]; bits; bits &= bits - 1) {
                const int u = w * 64 + std::countr_zero(bits);
                ++aufwand;
                const auto vi = static_cast<size_t>(v), ui = static_cast<size_t>(u);
                if (basis_[vi] == basis_[ui] || partner_[vi] == u)
                    continue;
                const bool uGerade =
                    u == wurzel ||
                    (partner_[ui] >= 0 && vorgaenger_[static_cast<size_t>(partner_[ui])] >= 0);
                if (uGerade) {
                    // An odd cycle: contract it into its base.
                    const int basis = GemeinsamerVorfahr(v, u);
                    for (const int t : beruehrt_)
                        inBluete_[static_cast<size_t>(t)] = 0;
                    MarkiereBluete(v, basis, u);
                    MarkiereBluete(u, basis, v);
                    for (size_t k = 0, ende = beruehrt_.size(); k < ende; ++k) {
                        const int t = beruehrt_[k];
                        if (!inBluete_[static_cast<size_t>(basis_[static_cast<size_t>(t)])])
                            continue;
                        basis_[static_cast<size_t>(t)] = basis;
                        if (!gerade_[static_cast<size_t>(t)]) {
                            gerade_[static_cast<size_t>(t)] = 1;
                            schlange_.push_back(t);
                        }
                    }
                } else if (vorgaenger_[ui] < 0) {
                    Beruehre(u);
                    vorgaenger_[ui] = v;
                    if (partner_[ui] < 0) {
                        // Flip the path back to the root.
                        for (int x = u; x >= 0;) {
                            const int px = vorgaenger_[static_cast<size_t>(x)];
                            const int weiter = partner_[static_cast<size_t>(px)];
                            partner_[static_cast<size_t>(x)] = px;
                            partner_[static_cast<size_t>(px)] = x;
                            x = weiter;
                        }
                        Aufraeumen();
                        return true;
                    }
                    const int p = partner_[ui];
                    Beruehre(p);
                    gerade_[static_cast<size_t>(p)] = 1;
                    schlange_.push_back(p);
                }
            }
        }
    }
    if (gerade)
        for (const int t : beruehrt_)
            if (gerade_[static_cast<std::size_t>(t)])
                (*gerade)[static_cast<std::size_t>(t / 64)] |= std::uint64_t{1} << (t % 64);
    Aufraeumen();
    return false;
}

} // namespace paarung

#include "core/PaarungsKosten.h"

#include <algorithm>

namespace paarung {

namespace {

// Entry j of a blossom's cyclic list, j taken modulo its length.
int Zyklisch(const std::vector<int>& liste, int j) {
    const int anzahl = static_cast<int>(liste.size());
    return liste[static_cast<size_t>((j % anzahl + anzahl) % anzahl)];
}

// A walk round a blossom's cycle from child position i to its base (position 0), along the side
// of even length: the start index (negative when walking forward), the step, and how the
// endpoints of the cycle's edges are read on that side.
struct TRundgang {
    int j;
    int schritt;
    int trick;
};

TRundgang Rundgang(int i, int anzahl) {
    return (i & 1) ? TRundgang{i - anzahl, 1, 0} : TRundgang{i, -1, 1};
}

// Maximum-weight matching of maximum cardinality. Duals are kept doubled so that every step stays
// integral: the slack of an edge is u(i) + u(j) - 2 w(i, j). Blossoms are numbered from n to 2n-1;
// mate_ and the label ends hold edge endpoints (2k for edge k's first vertex, 2k+1 for its second).
class TGewichte {
public:
    TGewichte(int n, const std::vector<TKante>& kanten, long long grundwert, std::int64_t& aufwand)
        : n_(n), aufwand_(aufwand) {
        for (const TKante& k : kanten) {
            kante_.push_back({k.a, k.b, grundwert - k.kosten});
            ende_.push_back(k.a);
            ende_.push_back(k.b);
        }
        nachbarEnden_.resize(static_cast<size_t>(n));
        long long groesstes = 0;
        for (size_t k = 0; k < kante_.size(); ++k) {
            nachbarEnden_[static_cast<size_t>(kante_[k].i)].push_back(static_cast<int>(2 * k + 1));
            nachbarEnden_[static_cast<size_t>(kante_[k].j)].push_back(static_cast<int>(2 * k));
            groesstes = std::max(groesstes, kante_[k].w);
        }
        const auto n2 = static_cast<size_t>(2 * n);
        partnerEnde_.assign(static_cast<size_t>(n), -1);
        marke_.assign(n2, 0);
        markenEnde_.assign(n2, -1);
        inBluete_.resize(static_cast<size_t>(n));
        for (int v = 0; v < n; ++v)
            inBluete_[static_cast<size_t>(v)] = v;
        elternBluete_.assign(n2, -1);
        kinder_.assign(n2, {});
        kinderEnden_.assign(n2, {});
        basis_.assign(n2, -1);
        for (int v = 0; v < n; ++v)
            basis_[static_cast<size_t>(v)] = v;
        besteKante_.assign(n2, -1);
        besteKanten_.assign(n2, {});
        hatBesteKanten_.assign(n2, 0);
        for (int b = 2 * n - 1; b >= n; --b)
            frei_.push_back(b);
        dual_.assign(n2, 0);
        for (int v = 0; v < n; ++v)
            dual_[static_cast<size_t>(v)] = groesstes;
        erlaubt_.assign(kante_.size(), 0);
    }

    void Loese();
    // The edge that matches v, -1 for none.
    int Kante(int v) const {
        const int p = partnerEnde_[static_cast<size_t>(v)];
        return p < 0 ? -1 : p / 2;
    }

private:
    struct TK {
        int i, j;
        long long w;
    };

    long long Schlupf(int k) const {
        const TK& e = kante_[static_cast<size_t>(k)];
        return dual_[static_cast<size_t>(e.i)] + dual_[static_cast<size_t>(e.j)] - 2 * e.w;
    }
    void Blaetter(int b, std::vector<int>& aus) const {
        if (b < n_) {
            aus.push_back(b);
            return;
        }
        for (const int t : kinder_[static_cast<size_t>(b)])
            Blaetter(t, aus);
    }
    std::vector<int> Blaetter(int b) const {
        std::vector<int> aus;
        Blaetter(b, aus);
        return aus;
    }
    int& Marke(int b) { return marke_[static_cast<size_t>(b)]; }
    int& MarkenEnde(int b) { return markenEnde_[static_cast<size_t>(b)]; }
    int& In(int v) { return inBluete_[static_cast<size_t>(v)]; }
    int Ende(int p) const { return ende_[static_cast<size_t>(p)]; }

    void Markiere(int w, int t, int p);
    int SucheBasis(int v, int w);
    void BildeBluete(int basis, int k);
    void LoeseBluete(int b, bool stufenende);
    void ErweitereBluete(int b, int v);
    void Erweitere(int k);

    int n_;
    std::int64_t& aufwand_;
    std::vector<TK> kante_;
    std::vector<int> ende_;
    std::vector<std::vector<int>> nachbarEnden_;
    std::vector<int> partnerEnde_, marke_, markenEnde_, inBluete_, elternBluete_, basis_;
    std::vector<std::vector<int>> kinder_, kinderEnden_, besteKanten_;
    std::vector<char> hatBesteKanten_;
    std::vector<int> besteKante_, frei_;
    std::vector<long long> dual_;
    std::vector<char> erlaubt_;
    std::vector<int> schlange_;
};

void TGewichte::Markiere(int w, int t, int p) {
    const int b = In(w);
    Marke(w) = Marke(b) = t;
    MarkenEnde(w) = MarkenEnde(b) = p;
    besteKante_[static_cast<size_t>(w)] = besteKante_[static_cast<size_t>(b)] = -1;
    if (t == 1) {
        Blaetter(b, schlange_);
    } else {
        const int mb = partnerEnde_[static_cast<size_t>(basis_[static_cast<size_t>(b)])];
        Markiere(Ende(mb), 1, mb ^ 1);
    }
}

int TGewichte::SucheBasis(int v, int w) {
    std::vector<int> pfad;
    int basis = -1;
    while (v != -1 || w != -1) {
        int b = In(v);
        if (Marke(b) & 4) {
            basis = basis_[static_cast<size_t>(b)];
            break;
        }
        pfad.push_back(b);
        Marke(b) = 5;
        if (MarkenEnde(b) == -1) {
            v = -1;
        } else {
            v = Ende(MarkenEnde(b));
            b = In(v);
            v = Ende(MarkenEnde(b));
        }
        if (w != -1)
            std::swap(v, w);
    }
    for (const int b : pfad)
        Marke(b) = 1;
    return basis;
}

void TGewichte::BildeBluete(int basis, int k) {
    int v = kante_[static_cast<size_t>(k)].i, w = kante_[static_cast<size_t>(k)].j;
    const int bb = In(basis);
    int bv = In(v), bw = In(w);
    const int b = frei_.back();
    frei_.pop_back();
    const auto bi = static_cast<size_t>(b);
    basis_[bi] = basis;
    elternBluete_[bi] = -1;
    elternBluete_[static_cast<size_t>(bb)] = b;
    std::vector<int>& pfad = kinder_[bi];
    std::vector<int>& enden = kinderEnden_[bi];
    pfad.clear();
    enden.clear();
    while (bv != bb) {
        elternBluete_[static_cast<size_t>(bv)] = b;
        pfad.push_back(bv);
        enden.push_back(MarkenEnde(bv));
        v = Ende(MarkenEnde(bv));
        bv = In(v);
    }
    pfad.push_back(bb);
    std::reverse(pfad.begin(), pfad.end());
    std::reverse(enden.begin(), enden.end());
    enden.push_back(2 * k);
    while (bw != bb) {
        elternBluete_[static_cast<size_t>(bw)] = b;
        pfad.push_back(bw);
        enden.push_back(MarkenEnde(bw) ^ 1);
        w = Ende(MarkenEnde(bw));
        bw = In(w);
    }
    Marke(b) = 1;
    MarkenEnde(b) = MarkenEnde(bb);
    dual_[bi] = 0;
    for (const int x : Blaetter(b)) {
        if (Marke(In(x)) == 2)
            schlange_.push_back(x);
        In(x) = b;
    }
    std::vector<int> besteZu(static_cast<size_t>(2 * n_), -1);
    for (const int kind : pfad) {
        const auto ki = static_cast<size_t>(kind);
        std::vector<int> liste;
        if (!hatBesteKanten_[ki]) {
            for (const int x : Blaetter(kind))
                for (const int p : nachbarEnden_[static_cast<size_t>(x)])
                    liste.push_back(p / 2);
        } else {
            liste = besteKanten_[ki];
        }
        aufwand_ += static_cast<std::int64_t>(liste.size());
        for (const int kk : liste) {
            int i = kante_[static_cast<size_t>(kk)].i, j = kante_[static_cast<size_t>(kk)].j;
            if (In(j) == b)
                std::swap(i, j);
            const int bj = In(j);
            int& beste = besteZu[static_cast<size_t>(bj)];
            if (bj != b && Marke(bj) == 1 && (beste == -1 || Schlupf(kk) < Schlupf(beste)))
                beste = kk;
        }
        besteKanten_[ki].clear();
        hatBesteKanten_[ki] = 0;
        besteKante_[ki] = -1;
    }
    besteKanten_[bi].clear();
    for (const int kk : besteZu)
        if (kk != -1)
            besteKanten_[bi].push_back(kk);
    hatBesteKanten_[bi] = 1;
    besteKante_[bi] = -1;
    for (const int kk : besteKanten_[bi])
        if (besteKante_[bi] == -1 || Schlupf(kk) < Schlupf(besteKante_[bi]))
            besteKante_[bi] = kk;
}

void TGewichte::LoeseBluete(int b, bool stufenende) {
    const auto bi = static_cast<size_t>(b);
    for (const int s : kinder_[bi]) {
        elternBluete_[static_cast<size_t>(s)] = -1;
        if (s < n_)
            In(s) = s;
        else if (stufenende && dual_[static_cast<size_t>(s)] == 0)
            LoeseBluete(s, stufenende);
        else
            for (const int x : Blaetter(s))
                In(x) = s;
    }
    if (!stufenende && Marke(b) == 2) {
        const std::vector<int>& kinder = kinder_[bi];
        const std::vector<int>& enden = kinderEnden_[bi];
        const int anzahl = static_cast<int>(kinder.size());
        auto kind = [&](int j) {
            return kinder[static_cast<size_t>((j % anzahl + anzahl) % anzahl)];
        };
        auto endeBei = [&](int j) {
            return enden[static_cast<size_t>((j % anzahl + anzahl) % anzahl)];
        };
        const int eingang = In(Ende(MarkenEnde(b) ^ 1));
        int j = static_cast<int>(std::find(kinder.begin(), kinder.end(), eingang) - kinder.begin());
        int schritt, trick;
        if (j & 1) {
            j -= anzahl;
            schritt = 1;
            trick = 0;
        } else {
            schritt = -1;
            trick = 1;
        }
        int p = MarkenEnde(b);
        while (j != 0) {
            Marke(Ende(p ^ 1)) = 0;
            Marke(Ende(endeBei(j - trick) ^ trick ^ 1)) = 0;
            Markiere(Ende(p ^ 1), 2, p);
            erlaubt_[static_cast<size_t>(endeBei(j - trick) / 2)] = 1;
            j += schritt;
            p = endeBei(j - trick) ^ trick;
            erlaubt_[static_cast<size_t>(p / 2)] = 1;
            j += schritt;
        }
        const int bv = kind(j);
        Marke(Ende(p ^ 1)) = Marke(bv) = 2;
        MarkenEnde(Ende(p ^ 1)) = MarkenEnde(bv) = p;
        besteKante_[static_cast<size_t>(bv)] = -1;
        j += schritt;
        while (kind(j) != eingang) {
            const int bk = kind(j);
            if (Marke(bk) == 1) {
                j += schritt;
                continue;
            }
            int markiert = -1;
            for (const int x : Blaetter(bk))
                if (Marke(x) != 0) {
                    markiert = x;
                    break;
                }
            if (markiert >= 0) {
                Marke(markiert) = 0;
                Marke(Ende(partnerEnde_[static_cast<size_t>(basis_[static_cast<size_t>(bk)])])) = 0;
                Markiere(markiert, 2, MarkenEnde(markiert));
            }
            j += schritt;
        }
    }
    Marke(b) = MarkenEnde(b) = -1;
    kinder_[bi].clear();
    kinderEnden_[bi].clear();
    basis_[bi] = -1;
    besteKanten_[bi].clear();
    hatBesteKanten_[bi] = 0;
    besteKante_[bi] = -1;
    frei_.push_back(b);
}

void TGewichte::ErweitereBluete(int b, int v) {
    const auto bi = static_cast<size_t>(b);
    int t = v;
    while (elternBluete_[static_cast<size_t>(t)] != b)
        t = elternBluete_[static_cast<size_t>(t)];
    if (t >= n_)
        ErweitereBluete(t, v);
    std::vector<int>& kinder = kinder_[bi];
    std::vector<int>& enden = kinderEnden_[bi];
    const int i = static_cast<int>(std::find(kinder.begin(), kinder.end(), t) - kinder.begin());
    auto [j, schritt, trick] = Rundgang(i, static_cast<int>(kinder.size()));
    while (j != 0) {
        j += schritt;
        int kind = Zyklisch(kinder, j);
        const int p = Zyklisch(enden, j - trick) ^ trick;
        if (kind >= n_)
            ErweitereBluete(kind, Ende(p));
        j += schritt;
        kind = Zyklisch(kinder, j);
        if (kind >= n_)
            ErweitereBluete(kind, Ende(p ^ 1));
        partnerEnde_[static_cast<size_t>(Ende(p))] = p ^ 1;
        partnerEnde_[static_cast<size_t>(Ende(p ^ 1))] = p;
    }
    std::rotate(kinder.begin(), kinder.begin() + i, kinder.end());
    std::rotate(enden.begin(), enden.begin() + i, enden.end());
    basis_[bi] = basis_[static_cast<size_t>(kinder[0])];
}

void TGewichte::Erweitere(int k) {
    const int starts[2] = {kante_[static_cast<size_t>(k)].i, kante_[static_cast<size_t>(k)].j};
    const int enden[2] = {2 * k + 1, 2 * k};
    for (int seite = 0; seite < 2; ++seite) {
        int s = starts[seite], p = enden[seite];
        for (;;) {
            const int bs = In(s);
            if (bs >= n_)
                ErweitereBluete(bs, s);
            partnerEnde_[static_cast<size_t>(s)] = p;
            if (MarkenEnde(bs) == -1)
                break;
            const int t = Ende(MarkenEnde(bs));
            const int bt = In(t);
            s = Ende(MarkenEnde(bt));
            const int j = Ende(MarkenEnde(bt) ^ 1);
            if (bt >= n_)
                ErweitereBluete(bt, j);
            partnerEnde_[static_cast<size_t>(j)] = MarkenEnde(bt);
            p = MarkenEnde(bt) ^ 1;
        }
    }
}

void TGewichte::Loese() {
    const int n2 = 2 * n_;
    for (int stufe = 0; stufe < n_; ++stufe) {
        std::fill(marke_.begin(), marke_.end(), 0);
        std::fill(besteKante_.begin(), besteKante_.end(), -1);
        for (int b = n_; b < n2; ++b) {
            besteKanten_[static_cast<size_t>(b)].clear();
            hatBesteKanten_[static_cast<size_t>(b)] = 0;
        }
        std::fill(erlaubt_.begin(), erlaubt_.end(), 0);
        schlange_.clear();
        for (int v = 0; v < n_; ++v)
            if (partnerEnde_[static_cast<size_t>(v)] == -1 && Marke(In(v)) == 0)
                Markiere(v, 1, -1);
        bool erweitert = false;
        for (;;) {
            while (!schlange_.empty() && !erweitert) {
                const int v = schlange_.back();
                schlange_.pop_back();
                aufwand_ += static_cast<std::int64_t>(nachbarEnden_[static_cast<size_t>(v)].size());
                for (const int p : nachbarEnden_[static_cast<size_t>(v)]) {
                    const int k = p / 2;
                    const int w = Ende(p);
                    if (In(v) == In(w))
                        continue;
                    long long schlupf = 0;
                    if (!erlaubt_[static_cast<size_t>(k)]) {
                        schlupf = Schlupf(k);
                        if (schlupf <= 0)
                            erlaubt_[static_cast<size_t>(k)] = 1;
                    }
                    if (erlaubt_[static_cast<size_t>(k)]) {
                        if (Marke(In(w)) == 0) {
                            Markiere(w, 2, p ^ 1);
                        } else if (Marke(In(w)) == 1) {
                            const int basis = SucheBasis(v, w);
                            if (basis >= 0) {
                                BildeBluete(basis, k);
                            } else {
                                Erweitere(k);
                                erweitert = true;
                                break;
                            }
                        } else if (Marke(w) == 0) {
                            Marke(w) = 2;
                            MarkenEnde(w) = p ^ 1;
                        }
                    } else if (Marke(In(w)) == 1) {
                        int& beste = besteKante_[static_cast<size_t>(In(v))];
                        if (beste == -1 || schlupf < Schlupf(beste))
                            beste = k;
                    } else if (Marke(w) == 0) {
                        int& beste = besteKante_[static_cast<size_t>(w)];
                        if (beste == -1 || schlupf < Schlupf(beste))
                            beste = k;
                    }
                }
            }
            if (erweitert)
                break;
            // No tight edge left: change the duals by the largest step that keeps them valid.
            int art = -1, artKante = -1, artBluete = -1;
            long long delta = 0;
            for (int v = 0; v < n_; ++v) {
                const int k = besteKante_[static_cast<size_t>(v)];
                if (Marke(In(v)) == 0 && k != -1 && (art == -1 || Schlupf(k) < delta)) {
                    delta = Schlupf(k);
                    art = 2;
                    artKante = k;
                }
            }
            for (int b = 0; b < n2; ++b) {
                const int k = besteKante_[static_cast<size_t>(b)];
                if (elternBluete_[static_cast<size_t>(b)] == -1 && Marke(b) == 1 && k != -1) {
                    const long long d = Schlupf(k) / 2;
                    if (art == -1 || d < delta) {
                        delta = d;
                        art = 3;
                        artKante = k;
                    }
                }
            }
            for (int b = n_; b < n2; ++b) {
                const auto bi = static_cast<size_t>(b);
                if (basis_[bi] >= 0 && elternBluete_[bi] == -1 && Marke(b) == 2 &&
                    (art == -1 || dual_[bi] < delta)) {
                    delta = dual_[bi];
                    art = 4;
                    artBluete = b;
                }
            }
            if (art == -1) {
                art = 1;
                delta =
                    std::max<long long>(0, *std::min_element(dual_.begin(), dual_.begin() + n_));
            }
            aufwand_ += n2;
            for (int v = 0; v < n_; ++v) {
                if (Marke(In(v)) == 1)
                    dual_[static_cast<size_t>(v)] -= delta;
                else if (Marke(In(v)) == 2)
                    dual_[static_cast<size_t>(v)] += delta;
            }
            for (int b = n_; b < n2; ++b) {
                const auto bi = static_cast<size_t>(b);
                if (basis_[bi] >= 0 && elternBluete_[bi] == -1) {
                    if (Marke(b) == 1)
                        dual_[bi] += delta;
                    else if (Marke(b) == 2)
                        dual_[bi] -= delta;
                }
            }
            if (art == 1)
                break;
            if (art == 2 || art == 3) {
                erlaubt_[static_cast<size_t>(artKante)] = 1;
                int i = kante_[static_cast<size_t>(artKante)].i;
                if (art == 2 && Marke(In(i)) == 0)
                    i = kante_[static_cast<size_t>(artKante)].j;
                schlange_.push_back(i);
            } else {
                LoeseBluete(artBluete, false);
            }
        }
        if (!erweitert)
            break;
        for (int b = n_; b < n2; ++b) {
            const auto bi = static_cast<size_t>(b);
            if (elternBluete_[bi] == -1 && basis_[bi] >= 0 && Marke(b) == 1 && dual_[bi] == 0)
                LoeseBluete(b, true);
        }
    }
}

} // namespace

long long KleinsteKosten(int anzahl, const std::vector<TKante>& kanten, std::int64_t& aufwand,
                         std::vector<int>* partner) {
    if (anzahl % 2 != 0)
        return -1;
    if (anzahl == 0)
        return 0;
    // Every edge weighs more than any two costs together, so a larger matching always wins over
    // a cheaper smaller one, and among perfect ones the heaviest is the cheapest.
    long long teuerste = 0;
    for (const TKante& k : kanten)
        teuerste = std::max<long long>(teuerste, k.kosten);
    const long long grundwert = 2 * teuerste + 1;
    TGewichte gewichte(anzahl, kanten, grundwert, aufwand);
    gewichte.Loese();
    long long summe = 0;
    for (int v = 0; v < anzahl; ++v) {
        const int k = gewichte.Kante(v);
        if (k < 0)
            return -1;
        summe += kanten[static_cast<size_t>(k)].kosten; // each edge counted from both ends
        if (partner) {
            const TKante& e = kanten[static_cast<size_t>(k)];
            partner->resize(static_cast<size_t>(anzahl));
            (*partner)[static_cast<size_t>(v)] = e.a == v ? e.b : e.a;
        }
    }
    return summe / 2;
}

} // namespace paarung

#include "core/PaarungsSuche.h"

#include "core/PaarungsKosten.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace paarung {

namespace {

std::uint64_t Mische(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

bool Gesetzt(const std::vector<std::uint64_t>& bits, int p) {
    return (bits[static_cast<size_t>(p / 64)] >> (p % 64)) & 1;
}

} // namespace

bool TFehlschlaege::Bekannt(const std::vector<std::uint64_t>& menge, std::uint64_t schluessel,
                            const TBudget& budget) const {
    const auto it = index_.find(schluessel);
    if (it == index_.end())
        return false;
    for (const std::uint32_t e : it->second) {
        const TBudget& gescheitert = budgets_[e];
        bool kleiner = true;
        for (size_t k = 0; k < budget.size(); ++k)
            kleiner = kleiner && budget[k] <= gescheitert[k];
        if (kleiner && std::equal(menge.begin(), menge.end(),
                                  mengen_.begin() + static_cast<std::ptrdiff_t>(e) * woerter_))
            return true;
    }
    return false;
}

void TFehlschlaege::Merke(const std::vector<std::uint64_t>& menge, std::uint64_t schluessel,
                          const TBudget& budget) {
    if (mengen_.size() + menge.size() > MaxWoerter)
        return;
    index_[schluessel].push_back(static_cast<std::uint32_t>(budgets_.size()));
    mengen_.insert(mengen_.end(), menge.begin(), menge.end());
    budgets_.push_back(budget);
}

TPaarungsSuche::TPaarungsSuche(const TRegelmatrix& regeln, std::int64_t grenze,
                               std::int64_t& aufwand, bool mitMatchings)
    : regeln_(regeln), anzahl_(regeln.Anzahl()), woerter_((regeln.Anzahl() + 63) / 64),
      grenze_(grenze), aufwand_(aufwand), mitMatchings_(mitMatchings),
      frei_(static_cast<size_t>(woerter_), 0), zufall_(static_cast<size_t>(anzahl_)),
      fehlschlaege_(woerter_) {
    for (int p = 0; p < anzahl_; ++p)
        zufall_[static_cast<size_t>(p)] = Mische(static_cast<std::uint64_t>(p));
}

const TBitGraph& TPaarungsSuche::Graph(unsigned regeln) {
    auto& graph = graphen_[regeln];
    if (!graph) {
        graph = std::make_unique<TBitGraph>(anzahl_);
        for (int a = 0; a < anzahl_; ++a)
            for (int b = a + 1; b < anzahl_; ++b)
                if ((regeln_.Maske(a, b) & ~regeln) == 0)
                    graph->Verbinde(a, b);
        aufwand_ += static_cast<std::int64_t>(anzahl_) * anzahl_ / 2;
        matchings_[regeln] = std::make_unique<TMatching>(*graph);
    }
    return *graph;
}

bool TPaarungsSuche::Reicht(unsigned regeln, int ziel, TEbene* e) {
    Graph(regeln);
    TMatching& matching = *matchings_[regeln];
    if (e) {
        TOhneSpieler& ohne = e->ohne[regeln];
        if (!ohne.bekannt && ++ohne.fragen >= 2) {
            // A second question at this level: one analysis answers it and all further ones.
            Gib(e->spieler, e->partner, e->maske);
            Entferne(e->spieler);
            ohne.groesse = matching.Analysiere(frei_.data(), ohne.ersetzbar, aufwand_);
            Belebe(e->spieler);
            Nimm(e->spieler, e->partner, e->maske);
            ohne.bekannt = true;
        }
        if (ohne.bekannt)
            return ohne.groesse - (Gesetzt(ohne.ersetzbar, e->partner) ? 0 : 1) >= ziel;
    }
    return matching.Reicht(frei_.data(), freiAnzahl_, ziel, aufwand_);
}

unsigned TPaarungsSuche::Erlaubt() const {
    unsigned regeln = 0;
    for (size_t k = 0; k < budget_.size(); ++k)
        if (budget_[k] > 0)
            regeln |= 1u << k;
    return regeln;
}

TPaarungsSuche::TUrteil TPaarungsSuche::Pruefe(TEbene* e) {
    if (!mitMatchings_)
        return TUrteil::Offen;
    const int paare = freiAnzahl_ / 2;
    if (Reicht(0, paare, e))
        return TUrteil::Sicher;
    const unsigned erlaubt = Erlaubt();
    if (erlaubt == 0 || !Reicht(erlaubt, paare, e))
        return TUrteil::Unmoeglich;
    // The pairs that violate one of the rules in k can be at most as many as k's budgets allow.
    for (unsigned k = erlaubt; k != 0; k = (k - 1) & erlaubt) {
        long long summe = 0;
        for (size_t r = 0; r < budget_.size(); ++r)
            if (k & (1u << r))
                summe += budget_[r];
        if (summe < paare && !Reicht(erlaubt & ~k, paare - static_cast<int>(summe), e))
            return TUrteil::Unmoeglich;
    }
    // The weighted checks cost a weighted matching each: on small positions always, on larger
    // ones (up to a size) at the start and once the search has shown itself hard.
    const bool wiegen = freiAnzahl_ <= GewogenKlein ||
                        ((!e || aufwand_ > LangeSuche) && freiAnzahl_ <= GewogenLang);
    if (wiegen && !Gewogen(erlaubt)) {
        fehlschlaege_.Merke(frei_, schluessel_, budget_);
        return TUrteil::Unmoeglich;
    }
    return TUrteil::Offen;
}

bool TPaarungsSuche::Gewogen(unsigned erlaubt) {
    std::vector<int> spieler;
    for (int p = 0; p < anzahl_; ++p)
        if (Gesetzt(frei_, p))
            spieler.push_back(p);
    const int n = static_cast<int>(spieler.size());
    std::vector<TKante> kanten;
    std::vector<std::uint8_t> masken;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) {
            const std::uint8_t m =
                regeln_.Maske(spieler[static_cast<size_t>(a)], spieler[static_cast<size_t>(b)]);
            if ((m & ~erlaubt) == 0) {
                kanten.push_back({a, b, 0});
                masken.push_back(m);
            }
        }
    aufwand_ += static_cast<std::int64_t>(n) * n;
    // Weightings: each rule alone, each two rules with weights 1:1, 1:2 and 2:1, and all.
    std::vector<int> regeln;
    for (int k = 0; k < 5; ++k)
        if (erlaubt & (1u << k))
            regeln.push_back(k);
    std::vector<TBudget> gewichte;
    for (const int k : regeln) {
        TBudget l{};
        l[static_cast<size_t>(k)] = 1;
        gewichte.push_back(l);
    }
    for (size_t x = 0; x < regeln.size(); ++x)
        for (size_t y = x + 1; y < regeln.size(); ++y)
            for (const auto& [gx, gy] : {std::pair{1, 1}, std::pair{1, 2}, std::pair{2, 1}}) {
                TBudget l{};
                l[static_cast<size_t>(regeln[x])] = gx;
                l[static_cast<size_t>(regeln[y])] = gy;
                gewichte.push_back(l);
            }
    if (regeln.size() >= 3) {
        TBudget l{};
        for (const int k : regeln)
            l[static_cast<size_t>(k)] = 1;
        gewichte.push_back(l);
    }
    for (const TBudget& l : gewichte) {
        long long erlaubteKosten = 0;
        for (size_t k = 0; k < l.size(); ++k)
            erlaubteKosten += static_cast<long long>(l[k]) * budget_[k];
        for (size_t x = 0; x < kanten.size(); ++x) {
            int kosten = 0;
            for (size_t k = 0; k < l.size(); ++k)
                kosten += l[k] * ((masken[x] >> k) & 1);
            kanten[x].kosten = kosten;
        }
        if (KleinsteKosten(n, kanten, aufwand_) > erlaubteKosten)
            return false;
    }
    return true;
}

int TPaarungsSuche::ErsterFreier(int ab) const {
    for (int w = ab / 64; w < woerter_; ++w) {
        std::uint64_t bits = frei_[static_cast<size_t>(w)];
        if (w == ab / 64)
            bits &= ~std::uint64_t{0} << (ab % 64);
        if (bits)
            return w * 64 + std::countr_zero(bits);
    }
    return -1;
}

int TPaarungsSuche::NaechsterKandidat(int spieler, int ab) {
    const std::uint64_t* zeile = Graph(Erlaubt()).Zeile(spieler);
    for (int w = ab / 64; w < woerter_; ++w) {
        std::uint64_t bits = zeile[w] & frei_[static_cast<size_t>(w)];
        if (w == ab / 64)
            bits &= ~std::uint64_t{0} << (ab % 64);
        if (bits)
            return w * 64 + std::countr_zero(bits);
    }
    return -1;
}

void TPaarungsSuche::Belebe(int p) {
    frei_[static_cast<size_t>(p / 64)] |= std::uint64_t{1} << (p % 64);
    ++freiAnzahl_;
    schluessel_ ^= zufall_[static_cast<size_t>(p)];
}

void TPaarungsSuche::Entferne(int p) {
    frei_[static_cast<size_t>(p / 64)] &= ~(std::uint64_t{1} << (p % 64));
    --freiAnzahl_;
    schluessel_ ^= zufall_[static_cast<size_t>(p)];
}

void TPaarungsSuche::Nimm(int a, int b, std::uint8_t maske) {
    Entferne(a);
    Entferne(b);
    for (size_t k = 0; k < budget_.size(); ++k)
        budget_[k] -= (maske >> k) & 1;
}

void TPaarungsSuche::Gib(int a, int b, std::uint8_t maske) {
    Belebe(a);
    Belebe(b);
    for (size_t k = 0; k < budget_.size(); ++k)
        budget_[k] += (maske >> k) & 1;
}

TSuchergebnis TPaarungsSuche::Suche(const std::vector<int>& frei, const TBudget& budget) {
    paare_.clear();
    std::fill(frei_.begin(), frei_.end(), 0);
    freiAnzahl_ = 0;
    schluessel_ = 0;
    for (const int p : frei)
        if (!Gesetzt(frei_, p))
            Belebe(p);
    budget_ = budget;
    if (freiAnzahl_ == 0)
        return TSuchergebnis::Gefunden;
    if (freiAnzahl_ % 2 != 0 || Pruefe(nullptr) == TUrteil::Unmoeglich)
        return TSuchergebnis::Unmoeglich;

    std::vector<TEbene> stapel;
    const int erster = ErsterFreier(0);
    stapel.emplace_back(erster);
    for (;;) {
        if (aufwand_ > grenze_)
            return TSuchergebnis::Abgebrochen;
        TEbene& e = stapel.back();
        const int kandidat = NaechsterKandidat(e.spieler, e.ab);
        if (kandidat < 0) {
            // Every partner tried: this position holds no complete pairing.
            fehlschlaege_.Merke(frei_, schluessel_, budget_);
            stapel.pop_back();
            if (stapel.empty())
                return TSuchergebnis::Unmoeglich;
            Gib(stapel.back().spieler, stapel.back().partner, stapel.back().maske);
            continue;
        }
        ++aufwand_;
        e.ab = kandidat + 1;
        e.partner = kandidat;
        e.maske = regeln_.Maske(e.spieler, kandidat);
        Nimm(e.spieler, e.partner, e.maske);
        if (freiAnzahl_ == 0) {
            for (const TEbene& x : stapel)
                paare_.emplace_back(x.spieler, x.partner);
            return TSuchergebnis::Gefunden;
        }
        if (fehlschlaege_.Bekannt(frei_, schluessel_, budget_) ||
            Pruefe(&e) == TUrteil::Unmoeglich) {
            Gib(e.spieler, e.partner, e.maske);
            continue;
        }
        const int naechster = ErsterFreier(e.spieler + 1);
        stapel.emplace_back(naechster);
    }
}

} // namespace paarung

#include "core/PaarungsSuche.h"

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

bool TPaarungsSuche::Reicht(unsigned regeln, int ziel) {
    Graph(regeln);
    return matchings_[regeln]->Reicht(frei_.data(), freiAnzahl_, ziel, aufwand_);
}

unsigned TPaarungsSuche::Erlaubt() const {
    unsigned regeln = 0;
    for (size_t k = 0; k < budget_.size(); ++k)
        if (budget_[k] > 0)
            regeln |= 1u << k;
    return regeln;
}

bool TPaarungsSuche::Perfekt(unsigned regeln, TEbene* e) {
    if (!e)
        return Reicht(regeln, freiAnzahl_ / 2);
    TPerfekt& stand = e->perfekt[regeln];
    std::vector<std::uint64_t>& partner = e->perfektePartner[regeln];
    if (stand == TPerfekt::Bekannt)
        return Gesetzt(partner, e->partner);
    const bool perfekt = Reicht(regeln, freiAnzahl_ / 2);
    if (!perfekt && stand == TPerfekt::Offen) {
        // A partner that leaves no perfect matching: one search now tells for every further
        // partner of this player whether he leaves one.
        Gib(*e);
        if (Reicht(regeln, freiAnzahl_ / 2)) {
            matchings_[regeln]->PerfektePartner(e->spieler, frei_.data(), partner, aufwand_);
            stand = TPerfekt::Bekannt;
        } else {
            stand = TPerfekt::Fehlt;
        }
        Nimm(*e);
    }
    return perfekt;
}

TPaarungsSuche::TUrteil TPaarungsSuche::Pruefe(TEbene* e) {
    if (!mitMatchings_)
        return TUrteil::Offen;
    const int paare = freiAnzahl_ / 2;
    if (Perfekt(0, e))
        return TUrteil::Sicher;
    const unsigned erlaubt = Erlaubt();
    if (erlaubt == 0 || !Perfekt(erlaubt, e))
        return TUrteil::Unmoeglich;
    // The pairs that violate one of the rules in k can be at most as many as k's budgets allow.
    for (unsigned k = erlaubt; k != 0; k = (k - 1) & erlaubt) {
        long long summe = 0;
        for (size_t r = 0; r < budget_.size(); ++r)
            if (k & (1u << r))
                summe += budget_[r];
        if (summe < paare && !Reicht(erlaubt & ~k, paare - static_cast<int>(summe)))
            return TUrteil::Unmoeglich;
    }
    return TUrteil::Offen;
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

void TPaarungsSuche::Nimm(const TEbene& e) {
    Entferne(e.spieler);
    Entferne(e.partner);
    for (size_t k = 0; k < budget_.size(); ++k)
        budget_[k] -= (e.maske >> k) & 1;
}

void TPaarungsSuche::Gib(const TEbene& e) {
    Belebe(e.spieler);
    Belebe(e.partner);
    for (size_t k = 0; k < budget_.size(); ++k)
        budget_[k] += (e.maske >> k) & 1;
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
            Gib(stapel.back());
            continue;
        }
        ++aufwand_;
        e.ab = kandidat + 1;
        e.partner = kandidat;
        e.maske = regeln_.Maske(e.spieler, kandidat);
        Nimm(e);
        if (freiAnzahl_ == 0) {
            for (const TEbene& x : stapel)
                paare_.emplace_back(x.spieler, x.partner);
            return TSuchergebnis::Gefunden;
        }
        if (fehlschlaege_.Bekannt(frei_, schluessel_, budget_) ||
            Pruefe(&e) == TUrteil::Unmoeglich) {
            Gib(e);
            continue;
        }
        const int naechster = ErsterFreier(e.spieler + 1);
        stapel.emplace_back(naechster);
    }
}

} // namespace paarung

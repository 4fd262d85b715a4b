#include "core/PaarungsSuche.h"

#include "core/PaarungsKosten.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <tuple>

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
      fehlschlaege_(woerter_), zeuge_(static_cast<size_t>(anzahl_), -1) {
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

bool TPaarungsSuche::Abzaehlbar(TEbene* e) {
    const int paare = freiAnzahl_ / 2;
    const unsigned erlaubt = Erlaubt();
    if (erlaubt == 0 || !Reicht(erlaubt, paare, e))
        return false;
    // The pairs that violate one of the rules in k can be at most as many as k's budgets allow.
    for (unsigned k = erlaubt; k != 0; k = (k - 1) & erlaubt) {
        long long summe = 0;
        for (size_t r = 0; r < budget_.size(); ++r)
            if (k & (1u << r))
                summe += budget_[r];
        if (summe < paare && !Reicht(erlaubt & ~k, paare - static_cast<int>(summe), e))
            return false;
    }
    return true;
}

TPaarungsSuche::TUrteil TPaarungsSuche::Pruefe(TEbene* e) {
    if (!mitMatchings_)
        return TUrteil::Offen;
    if (Reicht(0, freiAnzahl_ / 2, e))
        return TUrteil::Sicher;
    if (!Abzaehlbar(e))
        return TUrteil::Unmoeglich;
    // The weighted checks cost a weighted matching each: on small positions always, on larger
    // ones (up to a size) at the start and once the search has shown itself hard.
    const bool wiegen = freiAnzahl_ <= GewogenKlein ||
                        ((!e || aufwand_ > LangeSuche) && freiAnzahl_ <= GewogenLang);
    if (wiegen && Gewogen(Erlaubt()) == TUrteil::Unmoeglich) {
        fehlschlaege_.Merke(frei_, schluessel_, budget_);
        return TUrteil::Unmoeglich;
    }
    return TUrteil::Offen;
}

TPaarungsSuche::TUrteil TPaarungsSuche::Gewogen(unsigned erlaubt) {
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
    // Multipliers from a grid, 0 to MaxGewicht per rule: each cheapest matching found bounds
    // from above what every multiplier can prove (its weighted excess over the budgets), so the
    // next one tried is the grid point with the best bound left, until none is left that could
    // prove anything. The first is the one that proved the last failure.
    std::vector<TBudget>& gitter = gitter_[erlaubt];
    if (gitter.empty()) {
        for (unsigned code = 1;; ++code) {
            TBudget l{};
            unsigned rest = code;
            for (size_t k = 0; k < l.size(); ++k)
                if ((erlaubt >> k) & 1) {
                    l[k] = static_cast<int>(rest % (MaxGewicht + 1));
                    rest /= MaxGewicht + 1;
                }
            if (rest > 0)
                break;
            gitter.push_back(l);
        }
    }
    TBudget gewicht = letzteGewichtung_;
    bool passend = false;
    for (size_t k = 0; k < gewicht.size(); ++k) {
        passend = passend || gewicht[k] > 0;
        if (!((erlaubt >> k) & 1))
            passend = passend && gewicht[k] == 0;
    }
    if (!passend)
        for (size_t k = 0; k < gewicht.size(); ++k)
            gewicht[k] = (erlaubt >> k) & 1;
    std::vector<TBudget> ueberschuesse;
    std::vector<int> partner;
    for (int runde = 0; runde < MaxGewichtungen; ++runde) {
        if (runde > 0) {
            long long beste = 0;
            for (const TBudget& l : gitter) {
                long long schranke = std::numeric_limits<long long>::max();
                for (const TBudget& u : ueberschuesse) {
                    long long summe = 0;
                    for (size_t k = 0; k < l.size(); ++k)
                        summe += static_cast<long long>(l[k]) * u[k];
                    schranke = std::min(schranke, summe);
                    if (schranke <= beste)
                        break;
                }
                if (schranke > beste) {
                    beste = schranke;
                    gewicht = l;
                }
            }
            aufwand_ += static_cast<std::int64_t>(gitter.size() * ueberschuesse.size());
            if (beste == 0)
                return TUrteil::Offen;
        }
        long long erlaubteKosten = 0;
        for (size_t k = 0; k < gewicht.size(); ++k)
            erlaubteKosten += static_cast<long long>(gewicht[k]) * budget_[k];
        for (size_t x = 0; x < kanten.size(); ++x) {
            int kosten = 0;
            for (size_t k = 0; k < gewicht.size(); ++k)
                kosten += gewicht[k] * ((masken[x] >> k) & 1);
            kanten[x].kosten = kosten;
        }
        const long long kosten = KleinsteKosten(n, kanten, aufwand_, &partner);
        if (kosten < 0 || kosten > erlaubteKosten) {
            letzteGewichtung_ = gewicht;
            return TUrteil::Unmoeglich;
        }
        TBudget ueberschuss{};
        for (int a = 0; a < n; ++a) {
            const int b = partner[static_cast<size_t>(a)];
            if (b < a)
                continue;
            const std::uint8_t m =
                regeln_.Maske(spieler[static_cast<size_t>(a)], spieler[static_cast<size_t>(b)]);
            for (size_t k = 0; k < ueberschuss.size(); ++k)
                ueberschuss[k] += (m >> k) & 1;
        }
        bool passt = true;
        for (size_t k = 0; k < ueberschuss.size(); ++k) {
            ueberschuss[k] -= budget_[k];
            passt = passt && ueberschuss[k] <= 0;
        }
        if (passt) {
            for (int a = 0; a < n; ++a)
                zeuge_[static_cast<size_t>(spieler[static_cast<size_t>(a)])] =
                    spieler[static_cast<size_t>(partner[static_cast<size_t>(a)])];
            return TUrteil::Sicher;
        }
        ueberschuesse.push_back(ueberschuss);
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

TSuchergebnis TPaarungsSuche::Schlicht(std::int64_t schritte) {
    std::vector<std::pair<int, int>> stapel;
    int spieler = ErsterFreier(0);
    int ab = spieler + 1;
    for (;;) {
        const unsigned erlaubt = Erlaubt();
        int kandidat = -1;
        for (int j = ErsterFreier(ab); j >= 0; j = ErsterFreier(j + 1)) {
            if (--schritte < 0 || aufwand_ > grenze_) {
                for (auto it = stapel.rbegin(); it != stapel.rend(); ++it)
                    Gib(it->first, it->second, regeln_.Maske(it->first, it->second));
                return TSuchergebnis::Abgebrochen;
            }
            ++aufwand_;
            if ((regeln_.Maske(spieler, j) & ~erlaubt) == 0) {
                kandidat = j;
                break;
            }
        }
        if (kandidat < 0) {
            if (stapel.empty())
                return TSuchergebnis::Unmoeglich;
            std::tie(spieler, kandidat) = stapel.back();
            stapel.pop_back();
            Gib(spieler, kandidat, regeln_.Maske(spieler, kandidat));
            ab = kandidat + 1;
            continue;
        }
        Nimm(spieler, kandidat, regeln_.Maske(spieler, kandidat));
        stapel.emplace_back(spieler, kandidat);
        if (freiAnzahl_ == 0) {
            paare_ = stapel;
            return TSuchergebnis::Gefunden;
        }
        spieler = ErsterFreier(spieler + 1);
        ab = spieler + 1;
    }
}

TSuchergebnis TPaarungsSuche::Loesbar() {
    if (freiAnzahl_ == 0)
        return TSuchergebnis::Gefunden;
    if (aufwand_ > grenze_)
        return TSuchergebnis::Abgebrochen;
    if (fehlschlaege_.Bekannt(frei_, schluessel_, budget_))
        return TSuchergebnis::Unmoeglich;
    if (mitMatchings_) {
        if (Reicht(0, freiAnzahl_ / 2)) {
            // A perfect matching without any violation completes the position.
            for (int w = 0; w < woerter_; ++w)
                for (std::uint64_t bits = frei_[static_cast<size_t>(w)]; bits; bits &= bits - 1) {
                    const int v = w * 64 + std::countr_zero(bits);
                    zeuge_[static_cast<size_t>(v)] = matchings_[0]->Partner(v);
                }
            return TSuchergebnis::Gefunden;
        }
        const TUrteil urteil = Abzaehlbar(nullptr) ? Gewogen(Erlaubt()) : TUrteil::Unmoeglich;
        if (urteil == TUrteil::Sicher)
            return TSuchergebnis::Gefunden;
        if (urteil == TUrteil::Unmoeglich) {
            fehlschlaege_.Merke(frei_, schluessel_, budget_);
            return TSuchergebnis::Unmoeglich;
        }
    }
    // Branch on one player, his partners with fewer violations first.
    const TBitGraph& graph = Graph(Erlaubt());
    const TBitGraph& sauber = Graph(0);
    int spieler = -1, wenigste = std::numeric_limits<int>::max();
    for (int w = 0; w < woerter_ && wenigste >= 0; ++w)
        for (std::uint64_t bits = frei_[static_cast<size_t>(w)]; bits; bits &= bits - 1) {
            const int v = w * 64 + std::countr_zero(bits);
            const std::uint64_t* zeile = graph.Zeile(v);
            int grad = 0, rein = 0;
            for (int x = 0; x < woerter_; ++x) {
                grad += std::popcount(zeile[x] & frei_[static_cast<size_t>(x)]);
                rein += std::popcount(sauber.Zeile(v)[x] & frei_[static_cast<size_t>(x)]);
            }
            aufwand_ += woerter_;
            // A player without partners fails at once; otherwise the fewest violation-free
            // partners first, which spends the budgets early, then the fewest partners.
            const int rang = grad == 0 ? -1 : rein * (anzahl_ + 1) + grad;
            if (rang < wenigste) {
                wenigste = rang;
                spieler = v;
            }
        }
    std::vector<std::pair<int, int>> partner; // violations, position
    for (int u = NaechsterKandidat(spieler, 0); u >= 0; u = NaechsterKandidat(spieler, u + 1))
        partner.emplace_back(std::popcount(regeln_.Maske(spieler, u)), u);
    std::sort(partner.begin(), partner.end());
    for (const auto& [verstoesse, u] : partner) {
        ++aufwand_;
        const std::uint8_t maske = regeln_.Maske(spieler, u);
        Nimm(spieler, u, maske);
        const TSuchergebnis ergebnis = Loesbar();
        Gib(spieler, u, maske);
        if (ergebnis == TSuchergebnis::Gefunden) {
            zeuge_[static_cast<size_t>(spieler)] = u;
            zeuge_[static_cast<size_t>(u)] = spieler;
        }
        if (ergebnis != TSuchergebnis::Unmoeglich)
            return ergebnis;
    }
    fehlschlaege_.Merke(frei_, schluessel_, budget_);
    return TSuchergebnis::Unmoeglich;
}

TSuchergebnis TPaarungsSuche::Geordnet() {
    if (Pruefe(nullptr) == TUrteil::Unmoeglich)
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
    if (freiAnzahl_ % 2 != 0)
        return TSuchergebnis::Unmoeglich;
    if (const auto ergebnis = Schlicht(SchlichteSchritte); ergebnis != TSuchergebnis::Abgebrochen)
        return ergebnis;
    if (freiAnzahl_ > ExaktBis)
        return Geordnet();

    if (const auto ergebnis = Loesbar(); ergebnis != TSuchergebnis::Gefunden)
        return ergebnis;
    // Level by level the first partner after which the rest can be completed; the witness's
    // partner can, so only those before it are asked about.
    for (int spieler = ErsterFreier(0); spieler >= 0; spieler = ErsterFreier(spieler + 1)) {
        const int ziel = zeuge_[static_cast<size_t>(spieler)];
        int j = NaechsterKandidat(spieler, spieler + 1);
        for (; j >= 0 && j != ziel; j = NaechsterKandidat(spieler, j + 1)) {
            ++aufwand_;
            const std::uint8_t maske = regeln_.Maske(spieler, j);
            Nimm(spieler, j, maske);
            const TSuchergebnis ergebnis = Loesbar();
            if (ergebnis == TSuchergebnis::Gefunden)
                break;
            Gib(spieler, j, maske);
            if (ergebnis == TSuchergebnis::Abgebrochen)
                return ergebnis;
        }
        if (j < 0)
            return TSuchergebnis::Unmoeglich; // cannot happen: the witness's partner fits
        if (j == ziel) {
            ++aufwand_;
            Nimm(spieler, j, regeln_.Maske(spieler, j));
        }
        zeuge_[static_cast<size_t>(spieler)] = j;
        zeuge_[static_cast<size_t>(j)] = spieler;
        paare_.emplace_back(spieler, j);
    }
    return TSuchergebnis::Gefunden;
}

} // namespace paarung

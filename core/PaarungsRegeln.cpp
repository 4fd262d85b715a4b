#include "core/PaarungsRegeln.h"

#include "core/Data.h"

#include <algorithm>
#include <unordered_map>

namespace paarung {

namespace {

const std::string Neutral = "Neutral";

// Rounds not stored answer the getters' defaults: opponent -1 and an empty army. They are counted
// without walking them, so a round number far beyond the stored ones costs nothing.
int NichtGespeicherteRunden(const TSpieler& s, int bisRunde) {
    return std::max(0, bisRunde - s.GetRundenAnzahl());
}

int GespeicherteRunden(const TSpieler& s, int bisRunde) {
    return std::min(bisRunde, s.GetRundenAnzahl());
}

bool Enthaelt(const std::vector<int>& werte, int wert) {
    return std::find(werte.begin(), werte.end(), wert) != werte.end();
}

std::uint8_t Regelbits() {
    return static_cast<std::uint8_t>((GleicheArmeenBeachten ? 1 : 0) |
                                     (KeinePaarungenMehrfach ? 2 : 0) |
                                     (GleicheOrteBeachten ? 4 : 0) | (NurNMalGegenArmee ? 8 : 0) |
                                     (GleicheTeamsBeachten ? 16 : 0));
}

// Numbers the distinct texts of one kind.
class TKennungen {
public:
    int Kennung(const std::string& text) {
        return kennungen_.emplace(text, static_cast<int>(kennungen_.size())).first->second;
    }

private:
    std::unordered_map<std::string, int> kennungen_;
};

// What the rules need of one player, as numbers.
struct TSpielerMerkmale {
    int startnummer = 0;
    int gruppe = 0;
    int armee = 0;
    bool armeeZaehlt = false;   // the army does not count as neutral for rule 0
    int herkunft = -1;          // -1: "Neutral"
    int team = -1;              // -1: "Neutral"
    std::vector<int> gegner;    // opponents of the earlier rounds
    std::vector<int> armeenOft; // armies met MalGegenSelbeArmee times or more
};

} // namespace

bool HatGegner(const TSpieler& s, int nummer, int bisRunde) {
    for (int k = 0; k < GespeicherteRunden(s, bisRunde); ++k)
        if (s.Runden[static_cast<size_t>(k)]->Gegner == nummer)
            return true;
    return nummer == -1 && NichtGespeicherteRunden(s, bisRunde) > 0;
}

int MalGegenArmee(const TSpieler& s, const std::string& armee, int bisRunde) {
    int mal = 0;
    for (int k = 0; k < GespeicherteRunden(s, bisRunde); ++k)
        if (s.Runden[static_cast<size_t>(k)]->GegnerArmee.str() == armee)
            ++mal;
    if (armee.empty())
        mal += NichtGespeicherteRunden(s, bisRunde);
    return mal;
}

std::uint8_t Verstossmaske(int i, int j) {
    const int n = static_cast<int>(Spielerliste.size());
    if (i < 0 || j < 0 || i >= n || j >= n)
        return 0;
    const TSpieler& a = *Spielerliste[static_cast<size_t>(i)];
    const TSpieler& b = *Spielerliste[static_cast<size_t>(j)];
    const int vorher = AktuellerSpieltag - 1;
    std::uint8_t maske = 0;
    if (TrimText(a.PaarungsArmee) != Neutral && a.Armee == b.Armee)
        maske |= 1;
    if (HatGegner(a, b.Startnummer, vorher))
        maske |= 2;
    if (a.PaarungsHerkunft == b.PaarungsHerkunft && a.PaarungsHerkunft.str() != Neutral)
        maske |= 4;
    if (MalGegenArmee(a, b.Armee, vorher) >= MalGegenSelbeArmee ||
        MalGegenArmee(b, a.Armee, vorher) >= MalGegenSelbeArmee)
        maske |= 8;
    if (a.PaarungsTeam == b.PaarungsTeam && a.PaarungsTeam.str() != Neutral)
        maske |= 16;
    return maske & Regelbits();
}

TRegelmatrix::TRegelmatrix(const std::vector<int>& listenindizes)
    : anzahl_(static_cast<int>(listenindizes.size())), spieler_(listenindizes),
      masken_(static_cast<size_t>(anzahl_) * static_cast<size_t>(anzahl_), KeinPaar) {
    const int vorher = AktuellerSpieltag - 1;
    TKennungen armeen, orte, teams;
    std::vector<TSpielerMerkmale> merkmale(spieler_.size());
    for (size_t p = 0; p < spieler_.size(); ++p) {
        const TSpieler& s = *Spielerliste[static_cast<size_t>(spieler_[p])];
        TSpielerMerkmale& m = merkmale[p];
        m.startnummer = s.Startnummer;
        m.gruppe = s.Gruppe;
        m.armee = armeen.Kennung(s.Armee);
        m.armeeZaehlt = TrimText(s.PaarungsArmee) != Neutral;
        m.herkunft = s.PaarungsHerkunft.str() == Neutral ? -1 : orte.Kennung(s.PaarungsHerkunft);
        m.team = s.PaarungsTeam.str() == Neutral ? -1 : teams.Kennung(s.PaarungsTeam);

        std::vector<std::pair<int, int>> getroffen; // army, how often
        auto zaehle = [&](int armee, int mal) {
            auto it = std::find_if(getroffen.begin(), getroffen.end(),
                                   [armee](const auto& e) { return e.first == armee; });
            if (it == getroffen.end())
                getroffen.emplace_back(armee, mal);
            else
                it->second += mal;
        };
        for (int k = 1; k <= GespeicherteRunden(s, vorher); ++k) {
            m.gegner.push_back(s.GetGegner(k));
            zaehle(armeen.Kennung(s.GetGegnerArmee(k)), 1);
        }
        if (const int rest = NichtGespeicherteRunden(s, vorher); rest > 0) {
            m.gegner.push_back(-1);
            zaehle(armeen.Kennung(""), rest);
        }
        for (const auto& [armee, mal] : getroffen)
            if (mal >= MalGegenSelbeArmee)
                m.armeenOft.push_back(armee);
    }

    const std::uint8_t regeln = Regelbits();
    const bool armeeImmer = MalGegenSelbeArmee <= 0;
    for (int a = 0; a < anzahl_; ++a) {
        const TSpielerMerkmale& x = merkmale[static_cast<size_t>(a)];
        for (int b = a + 1; b < anzahl_; ++b) {
            const TSpielerMerkmale& y = merkmale[static_cast<size_t>(b)];
            std::uint8_t maske = 0;
            if (GruppenBeachten && x.gruppe != y.gruppe) {
                maske = KeinPaar;
            } else {
                if (x.armeeZaehlt && x.armee == y.armee)
                    maske |= 1;
                if (Enthaelt(x.gegner, y.startnummer))
                    maske |= 2;
                if (x.herkunft >= 0 && x.herkunft == y.herkunft)
                    maske |= 4;
                if (armeeImmer || Enthaelt(x.armeenOft, y.armee) || Enthaelt(y.armeenOft, x.armee))
                    maske |= 8;
                if (x.team >= 0 && x.team == y.team)
                    maske |= 16;
                maske &= regeln;
            }
            masken_[static_cast<size_t>(a) * static_cast<size_t>(anzahl_) +
                    static_cast<size_t>(b)] = maske;
            masken_[static_cast<size_t>(b) * static_cast<size_t>(anzahl_) +
                    static_cast<size_t>(a)] = maske;
        }
    }
}

} // namespace paarung

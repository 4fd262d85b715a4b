#include "core/PaarungTauschen.h"

#include "core/Data.h"
#include "core/Paarungen.h"
#include "platform/Errors.h"

#include <algorithm>
#include <array>

namespace {

void Paaren(TSpieler& a, TSpieler& b, int tisch, int r) {
    a.SetGegner(r, b.Startnummer);
    a.SetGegnerArmee(r, b.Armee);
    b.SetGegner(r, a.Startnummer);
    b.SetGegnerArmee(r, a.Armee);
    a.SetTisch(r, tisch);
    b.SetTisch(r, tisch);
}

// The pairing now holds a and b: names and numbers, and everything else read from them as a
// rebuild of the list would, except the table, which stays with the pairing.
void NeuBesetzen(TPaarung& p, const TSpieler& a, const TSpieler& b, int r) {
    p.Name1 = a.GetNameMitNick();
    p.Nummer1 = a.Startnummer;
    p.Name2 = b.GetNameMitNick();
    p.Nummer2 = b.Startnummer;
    p.BesterPlatz = std::min(a.Platz, b.Platz);
    p.BisherigeTische.clear();
    p.BisherigeTische1.clear();
    p.BisherigeTische2.clear();
    for (int k = 1; k < r; ++k)
        p.FuegeBisherigeRundeHinzu(a.GetTisch(k), b.GetTisch(k));
    p.LeseErgebnis();
}

bool Nennt(const TPaarung& p, const TSpieler& s) {
    return p.Nummer1 == s.Startnummer || p.Nummer2 == s.Startnummer;
}

} // namespace

bool TauschePaarungen(const std::string& w, const std::string& x, const std::string& y,
                      const std::string& z) {
    const int r = AktuellerSpieltag;
    std::array<TSpieler*, 4> s{};
    const std::array<const std::string*, 4> namen{&w, &x, &y, &z};
    for (size_t i = 0; i < 4; ++i) {
        const int index = FindeSpielerNachName(*namen[i]);
        if (index < 0)
            return false;
        s[i] = Spielerliste[static_cast<size_t>(index)].get();
    }
    // Each of the four must now play one of the other three, and be his opponent too.
    for (TSpieler* spieler : s) {
        const TSpieler* gegner = FindeSpieler(spieler->GetGegner(r));
        const bool gueltig = std::count(s.begin(), s.end(), spieler) == 1 && gegner &&
                             gegner != spieler && gegner->GetGegner(r) == spieler->Startnummer &&
                             std::count(s.begin(), s.end(), gegner) == 1;
        if (!gueltig)
            throw TuvonError("Tauschen geht nur mit vier verschiedenen Spielern aus zwei "
                             "verschiedenen Spielen.");
    }
    TSpieler &W = *s[0], &X = *s[1], &Y = *s[2], &Z = *s[3];

    TPaarung* q1 = FindePaarungVonSpieler(W.Startnummer);
    TPaarung* q2 = nullptr;
    for (const auto& p : Paarungsliste)
        if (!q2 && p.get() != q1 && (Nennt(*p, X) || Nennt(*p, Y) || Nennt(*p, Z)))
            q2 = p.get();
    // W's old game and the other one; without both pairings the players' tables tell.
    const TSpieler& andere = X.GetGegner(r) == W.Startnummer ? Y : X;
    const int tisch1 = q1 && q2 ? q1->GetTisch() : W.GetTisch(r);
    const int tisch2 = q1 && q2 ? q2->GetTisch() : andere.GetTisch(r);
    Paaren(W, X, tisch1, r);
    Paaren(Y, Z, tisch2, r);
    if (q1 && q2) {
        NeuBesetzen(*q1, W, X, r);
        NeuBesetzen(*q2, Y, Z, r);
    } else {
        // A pairing left naming the old opponents would write them back.
        ErstellePaarungsliste();
    }
    return true;
}

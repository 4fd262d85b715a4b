#include "core/Paarungen.h"

#include <algorithm>

TObjectList<TPaarung> Paarungsliste;

namespace {

void Anhaengen(TObjectList<TTisch>& liste, int tisch) {
    liste.push_back(std::make_unique<TTisch>());
    liste.back()->Nummer = tisch;
}

bool Enthaelt(const TObjectList<TTisch>& liste, int tisch) {
    return std::any_of(liste.begin(), liste.end(),
                       [tisch](const auto& t) { return t->Nummer == tisch; });
}

// Earlier tables of one side that lie in group g; a table outside every group counts for none.
int TischeInGruppe(const TObjectList<TTisch>& liste, int gruppe) {
    if (gruppe < 1)
        return 0;
    return static_cast<int>(std::count_if(liste.begin(), liste.end(), [gruppe](const auto& t) {
        return TischgruppeVonTisch(t->Nummer) == gruppe;
    }));
}

void Schreibe(int nummer, const TRundenErgebnis& e, int r) {
    TSpieler* s = FindeSpieler(nummer);
    if (!s)
        return;
    s->SetSiegpunkte(r, e.Siegpunkte);
    s->SetGegner(r, e.Gegner);
    s->SetGegnerArmee(r, e.GegnerArmee);
    s->SetPunkte(r, e.Punkte);
    s->SetSzenariopunkte(r, e.Szenariopunkte);
    s->SetArmeepunkte(r, e.Armeepunkte);
    s->SetFairplay(r, e.Fairplay);
    s->SetTisch(r, e.Tisch);
}

void Lese(int nummer, TRundenErgebnis& e, int r) {
    const TSpieler* s = FindeSpieler(nummer);
    if (!s)
        return;
    const TRundenErgebnis* runde = s->Runde(r);
    e = runde ? *runde : TRundenErgebnis{};
}

void SortierePaarungen(int (*vergleich)(const TPaarung&, const TPaarung&)) {
    std::sort(Paarungsliste.begin(), Paarungsliste.end(),
              [vergleich](const auto& a, const auto& b) { return vergleich(*a, *b) < 0; });
}

int Aufsteigend(int a, int b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

void TPaarung::FuegeBisherigeRundeHinzu(int tisch1, int tisch2) {
    Anhaengen(BisherigeTische, tisch1);
    Anhaengen(BisherigeTische1, tisch1);
    Anhaengen(BisherigeTische, tisch2);
    Anhaengen(BisherigeTische2, tisch2);
}

void TPaarung::SetTisch(int tisch) {
    Ergebnis1.Tisch = tisch;
    Ergebnis2.Tisch = tisch;
}

void TPaarung::SchreibeErgebnis() const {
    // Rounds start at 1; a round number below that has nowhere to go.
    if (AktuellerSpieltag < 1)
        return;
    Schreibe(Nummer1, Ergebnis1, AktuellerSpieltag);
    Schreibe(Nummer2, Ergebnis2, AktuellerSpieltag);
}

void TPaarung::LeseErgebnis() {
    Lese(Nummer1, Ergebnis1, AktuellerSpieltag);
    Lese(Nummer2, Ergebnis2, AktuellerSpieltag);
}

bool TPaarung::TischErlaubt(int tisch) const {
    if (Enthaelt(BisherigeTische, tisch))
        return false;
    if (!TischgruppenBeruecksichtigen)
        return true;
    const int gruppe = TischgruppeVonTisch(tisch);
    return TischeInGruppe(BisherigeTische1, gruppe) < WieOftProGruppe &&
           TischeInGruppe(BisherigeTische2, gruppe) < WieOftProGruppe;
}

int TPaarung::ZaehleTischwiederholungen() const {
    if (TischFest)
        return 0;
    return int(Enthaelt(BisherigeTische1, GetTisch())) +
           int(Enthaelt(BisherigeTische2, GetTisch()));
}

int TPaarung::ZaehleGruppenverstoesse() const {
    if (TischFest || !TischgruppenBeruecksichtigen)
        return 0;
    const int gruppe = TischgruppeVonTisch(GetTisch());
    return int(TischeInGruppe(BisherigeTische1, gruppe) >= WieOftProGruppe) +
           int(TischeInGruppe(BisherigeTische2, gruppe) >= WieOftProGruppe);
}

void ErstellePaarungsliste() {
    const int r = AktuellerSpieltag;
    Paarungsliste.clear();
    for (const auto& p : Spielerliste) {
        // Each game once, from its lower start number; byes and unpaired rounds never.
        const int g = p->GetGegner(r);
        if (g <= p->Startnummer)
            continue;
        const TSpieler* o = FindeSpieler(g);
        if (!o || (p->Geloescht && o->Geloescht))
            continue;
        auto paarung = std::make_unique<TPaarung>();
        paarung->Name1 = p->GetNameMitNick();
        paarung->Name2 = o->GetNameMitNick();
        paarung->Nummer1 = p->Startnummer;
        paarung->Nummer2 = g;
        paarung->SetTisch(p->GetTisch(r));
        paarung->BesterPlatz = std::min(p->Platz, o->Platz);
        for (int k = 1; k < r; ++k)
            paarung->FuegeBisherigeRundeHinzu(p->GetTisch(k), o->GetTisch(k));
        paarung->LeseErgebnis();
        Paarungsliste.push_back(std::move(paarung));
    }
    SortierePaarungenNachTisch();
}

int VergleichePaarungNachTisch(const TPaarung& a, const TPaarung& b) {
    return Aufsteigend(a.GetTisch(), b.GetTisch());
}

int VergleichePaarungNachPlatz(const TPaarung& a, const TPaarung& b) {
    return Aufsteigend(a.BesterPlatz, b.BesterPlatz);
}

void SortierePaarungenNachTisch() {
    SortierePaarungen(VergleichePaarungNachTisch);
}
void SortierePaarungenNachPlatz() {
    SortierePaarungen(VergleichePaarungNachPlatz);
}

void UebernehmeTische() {
    if (AktuellerSpieltag < 1)
        return;
    for (const auto& paarung : Paarungsliste) {
        for (int nummer : {paarung->Nummer1, paarung->Nummer2})
            if (TSpieler* s = FindeSpieler(nummer))
                s->SetTisch(AktuellerSpieltag, paarung->GetTisch());
        paarung->SchreibeErgebnis();
    }
}

TPaarung* FindePaarungVonSpieler(int startnummer) {
    for (const auto& paarung : Paarungsliste)
        if (paarung->Nummer1 == startnummer || paarung->Nummer2 == startnummer)
            return paarung.get();
    return nullptr;
}

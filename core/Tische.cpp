#include "core/Tische.h"

#include "core/Paarungen.h"
#include "platform/Convert.h"
#include "platform/Messages.h"
#include "platform/Random.h"
#include "translation/Translate.h"

#include <algorithm>

TObjectList<TTisch> Tischliste;
TObjectList<TTischgruppe> Tischgruppen;
bool TischeZufaellig = true;
int ErsteInReihenfolge = 0;
int AnzahlTische = 0;
bool TischgruppenBeruecksichtigen = false;
int WieOftProGruppe = 2;
int AnzahlTischgruppen = 5;
bool TischgruppenManuell = false;

void InitTische() {
    Tischliste.clear();
    Tischgruppen.clear();
    TischeZufaellig = true;
    ErsteInReihenfolge = 0;
    AnzahlTische = 0;
    TischgruppenBeruecksichtigen = false;
    WieOftProGruppe = 2;
    AnzahlTischgruppen = 5;
    TischgruppenManuell = false;
}

int TischgruppeVonTisch(int tisch) {
    int gefunden = 0;
    for (size_t i = 0; i < Tischgruppen.size(); ++i) {
        const TTischgruppe& g = *Tischgruppen[i];
        if (tisch == g.ErsterTisch || tisch == g.LetzterTisch ||
            (tisch > g.ErsterTisch && tisch < g.LetzterTisch))
            gefunden = static_cast<int>(i) + 1; // the last group holding it counts
    }
    return gefunden;
}

std::string TischgruppenName(int tisch) {
    const int gruppe = TischgruppeVonTisch(tisch);
    if (gruppe == 0)
        return GetTranslation(7, 7);
    return Tischgruppen[static_cast<size_t>(gruppe - 1)]->Name;
}

bool TischBelegt(const TObjectList<TPaarung>& paarungen, int tisch) {
    return std::any_of(paarungen.begin(), paarungen.end(),
                       [tisch](const auto& p) { return p->TischFest && p->GetTisch() == tisch; });
}

void ErstelleTischliste(const TObjectList<TPaarung>& paarungen) {
    Tischliste.clear();
    int anzahl = static_cast<int>(paarungen.size());
    if (anzahl >= AnzahlTische)
        AnzahlTische = anzahl;
    else
        anzahl = AnzahlTische;
    for (int t = 1; t <= anzahl; ++t) {
        auto tisch = std::make_unique<TTisch>();
        tisch->Nummer = t;
        tisch->Zufallswert = Zufallszahl();
        tisch->Belegt = TischBelegt(paarungen, t);
        tisch->Gruppe = TischgruppeVonTisch(t);
        Tischliste.push_back(std::move(tisch));
    }
    std::sort(Tischliste.begin(), Tischliste.end(),
              [](const auto& a, const auto& b) { return a->Zufallswert > b->Zufallswert; });
}

int NaechsterFreierTisch(int start) {
    for (int i = std::max(start, 0); i < static_cast<int>(Tischliste.size()); ++i)
        if (!Tischliste[static_cast<size_t>(i)]->Belegt)
            return i;
    return -1;
}

void VergebeSpitzentische(TObjectList<TPaarung>& paarungen) {
    // The limit is a standings position, not a count of pairings.
    int tisch = 1;
    for (auto& p : paarungen) {
        if (p->BesterPlatz > ErsteInReihenfolge)
            break;
        p->SetTisch(tisch++);
        p->TischFest = true;
    }
}

namespace {

// The first free table in random order that the pairing may take, else the first free one.
int WaehleZufallstisch(const TPaarung& paarung) {
    const int erster = NaechsterFreierTisch(0);
    for (int i = erster; i >= 0; i = NaechsterFreierTisch(i + 1))
        if (paarung.TischErlaubt(Tischliste[static_cast<size_t>(i)]->Nummer))
            return i;
    return erster;
}

} // namespace

bool VerteileTische(TObjectList<TPaarung>& paarungen) {
    ErstelleTischliste(paarungen);
    for (size_t i = 0; i < paarungen.size(); ++i) {
        TPaarung& p = *paarungen[i];
        if (p.TischFest)
            continue;
        if (!TischeZufaellig) {
            p.SetTisch(static_cast<int>(i) + 1);
            continue;
        }
        // There are at least as many tables as pairings, so one is always free.
        const int index = WaehleZufallstisch(p);
        if (index < 0)
            continue;
        TTisch& tisch = *Tischliste[static_cast<size_t>(index)];
        tisch.Belegt = true;
        p.SetTisch(tisch.Nummer);
    }
    return true;
}

int ZaehleTischwiederholungen(const TObjectList<TPaarung>& paarungen) {
    int anzahl = 0;
    for (const auto& p : paarungen)
        anzahl += p->ZaehleTischwiederholungen();
    return anzahl;
}

int ZaehleGruppenverstoesse(const TObjectList<TPaarung>& paarungen) {
    int anzahl = 0;
    for (const auto& p : paarungen)
        anzahl += p->ZaehleGruppenverstoesse();
    return anzahl;
}

void TauscheTische(TObjectList<TPaarung>& paarungen) {
    for (auto& a : paarungen) {
        if (a->TischFest || a->TischErlaubt(a->GetTisch()))
            continue;
        for (auto& b : paarungen) {
            if (b == a || b->TischFest)
                continue;
            const int tischA = a->GetTisch();
            const int tischB = b->GetTisch();
            if (a->TischErlaubt(tischB) && b->TischErlaubt(tischA)) {
                a->SetTisch(tischB);
                b->SetTisch(tischA);
                break;
            }
        }
    }
}

std::string TischverteilungWarnung(TObjectList<TPaarung>& paarungen, int abschnitt) {
    if (!TischeZufaellig)
        return {};
    int anzahl = ZaehleTischwiederholungen(paarungen);
    if (TischgruppenBeruecksichtigen)
        anzahl += ZaehleGruppenverstoesse(paarungen);
    if (anzahl == 0)
        return {};
    TauscheTische(paarungen);
    const int wiederholungen = ZaehleTischwiederholungen(paarungen);
    const int gruppen = TischgruppenBeruecksichtigen ? ZaehleGruppenverstoesse(paarungen) : 0;
    if (wiederholungen + gruppen == 0)
        return {};
    std::string text = IntToStr(wiederholungen) + GetTranslation(abschnitt, 5);
    if (TischgruppenBeruecksichtigen)
        text += "\r\n" + IntToStr(gruppen) + GetTranslation(abschnitt, 6);
    return text;
}

void PruefeTischverteilung(TObjectList<TPaarung>& paarungen, int abschnitt) {
    const std::string warnung = TischverteilungWarnung(paarungen, abschnitt);
    if (!warnung.empty())
        Messages().ShowMessage(GetTranslation(7, 8), warnung);
}

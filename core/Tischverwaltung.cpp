#include "core/Tischverwaltung.h"

#include "core/Paarungen.h"
#include "core/Teamturnier.h"
#include "platform/Convert.h"
#include "translation/Translate.h"

#include <algorithm>

namespace {

constexpr int Abschnitt = 18;

std::unique_ptr<TTischgruppe> NeueGruppe(int nummer, int erster, int letzter) {
    auto gruppe = std::make_unique<TTischgruppe>();
    gruppe->Name = GetTranslation(Abschnitt, 1) + IntToStr(nummer);
    gruppe->ErsterTisch = erster;
    gruppe->LetzterTisch = letzter;
    return gruppe;
}

} // namespace

void RegistriereTischverwaltungTexte() {
    static const char* const texte[] = {
        "Gruppe Nr. ",
        "Name",
        "Erster Tisch",
        "Letzter Tisch",
        " Spieler müssen an einem Tisch spielen, an dem sie schonmal gespielt haben.",
        " Spieler müssen in einer Gruppe spielen, in der sie nicht mehr spielen sollen.",
        "(Tisch: ",
        "Tischverwaltung",
        "Allgemein",
        "Anzahl Tische",
        "Zuweisen",
        "Zufällig mitden ersten",
        "Spielern in Reihenfolge",
        "Nach Reihenfolge",
        "Tischgruppen berücksichtigen",
        "Spieler sollen möglichst nur",
        "mal in der gleichen Gruppe spielen.",
        "Feste Tische",
        "Frei",
        "Fest",
        "Tischgruppen",
        "Anzahl Tischgruppen",
        "Tische Neu Zuweisen",
        "Fertig",
    };
    int id = 1;
    for (const char* text : texte)
        RegisterText(Abschnitt, id++, text);
}

bool TischanzahlErlaubt(int anzahl) {
    // Every assignment run creates this many tables.
    return anzahl >= 0 && anzahl <= HoechsteTischAnzahl;
}

bool TischgruppenanzahlErlaubt(int anzahl) {
    // The dialog shows one grid column per group.
    return anzahl > 1 && anzahl < AnzahlTische && anzahl <= HoechsteTischAnzahl;
}

void TischverwaltungVorbereiten() {
    if (Paarungsliste.empty())
        ErstellePaarungsliste();
    SortierePaarungenNachPlatz();
    const int paarungen = static_cast<int>(PaarungslisteFuerTische().size());
    const int halbeSpieler = static_cast<int>(Spielerliste.size() / 2);
    AnzahlTische = std::max({AnzahlTische, paarungen, halbeSpieler});
}

void TischgruppenAnpassen() {
    const int n = std::max(AnzahlTischgruppen, 0);
    if (TischgruppenManuell) {
        while (static_cast<int>(Tischgruppen.size()) < n)
            Tischgruppen.push_back(NeueGruppe(static_cast<int>(Tischgruppen.size()) + 1, 0, 0));
        Tischgruppen.resize(static_cast<size_t>(n));
        return;
    }
    Tischgruppen.clear();
    const int pro = n > 0 ? AnzahlTische / n : 0;
    const int rest = n > 0 ? AnzahlTische % n : 0;
    int naechster = 0;
    for (int i = 1; i <= n; ++i) {
        const int groesse = pro + (i <= rest ? 1 : 0);
        Tischgruppen.push_back(NeueGruppe(i, naechster + 1, naechster + groesse));
        naechster += groesse;
    }
}

void TischgruppenAusSpalten(const std::vector<TTischgruppenSpalte>& spalten) {
    const auto zahl = [](const std::string& text) {
        int wert = 0;
        return TryStrToInt(text, wert) ? wert : 0;
    };
    Tischgruppen.clear();
    for (const TTischgruppenSpalte& spalte : spalten) {
        auto gruppe = std::make_unique<TTischgruppe>();
        gruppe->Name = spalte.Name;
        gruppe->ErsterTisch = zahl(spalte.ErsterTisch);
        gruppe->LetzterTisch = zahl(spalte.LetzterTisch);
        Tischgruppen.push_back(std::move(gruppe));
    }
}

std::string FesteTischZeile(const TPaarung& paarung) {
    return paarung.Name1 + " : " + paarung.Name2 + GetTranslation(Abschnitt, 7) +
           IntToStr(paarung.GetTisch()) + ")";
}

std::string TischeNeuZuweisen() {
    TObjectList<TPaarung>& liste = PaarungslisteFuerTische();
    VerteileTische(liste);
    const std::string warnung = TischverteilungWarnung(liste, Abschnitt);
    if (Teamturnier) {
        UebernehmeTeamTische();
        UebernehmeTeamPaarungen();
        ErstellePaarungsliste();
    } else {
        UebernehmeTische();
    }
    return warnung;
}

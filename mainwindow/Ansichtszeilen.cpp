#include "mainwindow/Ansichtszeilen.h"

#include "core/Data.h"
#include "core/Teampunkte.h"
#include "core/Teamturnier.h"
#include "mainwindow/Zahlformat.h"
#include "platform/Convert.h"

namespace {

enum class Zusatz { Gruppe, Quiz, Fairplay, Armeebewertung, Bemalung, Sonstiges, Gesamt };

struct TZusatzInfo {
    Zusatz art;
    TZusatzspalte spalte;
};

std::vector<TZusatzInfo> Zusatzspalten() {
    std::vector<TZusatzInfo> spalten;
    if (GruppenBeachten)
        spalten.push_back({Zusatz::Gruppe, {108, 40}});
    if (QuizWerten)
        spalten.push_back({Zusatz::Quiz, {77, 40}});
    if (FairplayWerten)
        spalten.push_back({Zusatz::Fairplay, {78, 40}});
    if (ArmeebewertungKlassisch && !ArmeebewertungVergleichend)
        spalten.push_back({Zusatz::Armeebewertung, {79, 40}});
    if (BemalungWerten)
        spalten.push_back({Zusatz::Bemalung, {80, 60}});
    if (SonstigesWerten)
        spalten.push_back({Zusatz::Sonstiges, {81, 60}});
    spalten.push_back({Zusatz::Gesamt, {82, 95}});
    return spalten;
}

std::string Zusatzwert(const TSpieler& s, Zusatz art, char dezimal) {
    switch (art) {
    case Zusatz::Gruppe:
        return IntToStr(s.Gruppe);
    case Zusatz::Quiz:
        return IntToStr(s.Quiz);
    case Zusatz::Fairplay:
        return IntToStr(s.FairplayGesamt);
    case Zusatz::Armeebewertung:
        return IntToStr(s.Armeebewertung);
    case Zusatz::Bemalung:
        return IntToStr(s.Bemalung);
    case Zusatz::Sonstiges:
        return IntToStr(s.Sonstiges);
    case Zusatz::Gesamt:
        break;
    }
    return ZahlAllgemein(s.Gesamtwertung, dezimal);
}

} // namespace

std::vector<TZusatzspalte> ZusatzspaltenDerTabelle() {
    std::vector<TZusatzspalte> spalten;
    for (const auto& info : Zusatzspalten())
        spalten.push_back(info.spalte);
    return spalten;
}

std::vector<TZeile> TabellenZeilen(int runde, char dezimal) {
    const auto zusatz = Zusatzspalten();
    std::vector<TZeile> zeilen;
    for (size_t i = 0; i < Spielerliste.size(); ++i) {
        const TSpieler& s = *Spielerliste[i];
        if (s.Geloescht)
            continue;
        long long punkte = 0;
        for (int k = 1; k <= runde; ++k)
            punkte += s.GetPunkte(k);
        TZeile zeile{IntToStr(static_cast<long long>(i) + 1), IntToStr(s.Platz), s.GetName(),
                     IntToStr(punkte), IntToStr(s.Siegpunktdifferenz)};
        for (const auto& info : zusatz)
            zeile.push_back(Zusatzwert(s, info.art, dezimal));
        zeilen.push_back(std::move(zeile));
    }
    return zeilen;
}

std::vector<TZeile> SpieleZeilen(int runde) {
    std::vector<TZeile> zeilen;
    for (const auto& p : Spielerliste) {
        const int gegner = p->GetGegner(runde);
        if (gegner < 1 || p->Startnummer >= gegner)
            continue;
        const TSpieler* o = FindeSpieler(gegner);
        if (!o || (p->Geloescht && o->Geloescht))
            continue;
        TZeile zeile{IntToStr(static_cast<long long>(zeilen.size()) + 1),
                     IntToStr(o->GetTisch(runde)),
                     p->GetName(),
                     o->GetName(),
                     IntToStr(p->GetPunkte(runde)) + ":" + IntToStr(o->GetPunkte(runde)),
                     IntToStr(p->GetSiegpunkte(runde)) + ":" + IntToStr(o->GetSiegpunkte(runde))};
        if (GruppenBeachten)
            zeile.push_back(IntToStr(p->Gruppe));
        zeilen.push_back(std::move(zeile));
    }
    return zeilen;
}

std::vector<TZeile> PaarungsinfoZeilen(char dezimal) {
    std::vector<TZeile> zeilen;
    for (size_t i = 0; i < Spielerliste.size(); ++i) {
        const TSpieler& s = *Spielerliste[i];
        zeilen.push_back({IntToStr(static_cast<long long>(i) + 1), IntToStr(s.Platz), s.GetName(),
                          ZahlAllgemein(s.Gesamtwertung, dezimal), s.Armee.str(), s.Herkunft.str(),
                          s.Team.str()});
    }
    return zeilen;
}

std::vector<TZeile> WertungsZeilen(const std::string& titelTeams, const std::string& titelArmeen,
                                   const std::string& titelOrte, char dezimal) {
    std::vector<TZeile> zeilen;
    const std::pair<const TObjectList<TTeampunkte>*, const std::string*> listen[] = {
        {&Teamwertung, &titelTeams}, {&Armeewertung, &titelArmeen}, {&Ortswertung, &titelOrte}};
    for (const auto& [liste, titel] : listen) {
        if (!zeilen.empty())
            zeilen.push_back({});
        zeilen.push_back({"", *titel});
        for (size_t i = 0; i < liste->size(); ++i) {
            const TTeampunkte& w = *(*liste)[i];
            zeilen.push_back({IntToStr(static_cast<long long>(i) + 1), w.Name.str(),
                              IntToStr(w.Anzahl), ZahlZweiStellen(w.Gesamt, dezimal),
                              ZahlZweiStellen(w.Punkte, dezimal)});
        }
    }
    return zeilen;
}

std::vector<TZeile> TeamspieleZeilen(int runde) {
    std::vector<TZeile> zeilen;
    int n = 0;
    for (const auto& t : Teamliste) {
        const int o = t->GegnerInRunde(runde);
        if (o < 1 || o < t->Nummer)
            continue;
        const int index = FindeTeamNachNummer(o);
        if (index < 0)
            continue;
        const TTTTeam& gegner = *Teamliste[static_cast<size_t>(index)];
        const size_t teamzeile = zeilen.size();
        zeilen.push_back(
            {IntToStr(++n), IntToStr(t->TischInRunde(runde)), t->Name.str(), gegner.Name.str()});
        long long punkte1 = 0, punkte2 = 0, siegpunkte1 = 0, siegpunkte2 = 0;
        for (int k = 1; k <= TeamPlaetze; ++k) {
            const int a = t->MitgliedAufPlatz(k);
            const int b = gegner.MitgliedAufPlatz(k);
            const TSpieler* s1 = a < 0 ? nullptr : FindeSpieler(a);
            const TSpieler* s2 = b < 0 ? nullptr : FindeSpieler(b);
            if (!s1 || !s2)
                continue;
            zeilen.push_back(
                {" ", " ", s1->GetName(), s2->GetName(),
                 IntToStr(s1->GetPunkte(runde)) + ":" + IntToStr(s2->GetPunkte(runde)),
                 IntToStr(s1->GetSiegpunkte(runde)) + ":" + IntToStr(s2->GetSiegpunkte(runde))});
            punkte1 += s1->GetPunkte(runde);
            punkte2 += s2->GetPunkte(runde);
            siegpunkte1 += s1->GetSiegpunkte(runde);
            siegpunkte2 += s2->GetSiegpunkte(runde);
        }
        zeilen[teamzeile].push_back(IntToStr(punkte1) + ":" + IntToStr(punkte2));
        zeilen[teamzeile].push_back(IntToStr(siegpunkte1) + ":" + IntToStr(siegpunkte2));
        zeilen.push_back({});
    }
    return zeilen;
}

#include "mainwindow/Ansichtszeilen.h"

#include "core/Data.h"
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

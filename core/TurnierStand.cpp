#include "core/TurnierStand.h"

#include <algorithm>

namespace {

template <class T> TObjectList<T> Kopie(const TObjectList<T>& liste) {
    TObjectList<T> kopie;
    kopie.reserve(liste.size());
    for (const auto& eintrag : liste)
        kopie.push_back(std::make_unique<T>(*eintrag));
    return kopie;
}

} // namespace

TTurnierStand ErfasseTurnierStand() {
    TTurnierStand s;
    s.T3TurnierID = T3TurnierID;
    s.Turniername = Turniername;
    s.AktuellerSpieltag = AktuellerSpieltag;
    s.GleicheArmeenBeachten = GleicheArmeenBeachten;
    s.KeinePaarungenMehrfach = KeinePaarungenMehrfach;
    s.GleicheOrteBeachten = GleicheOrteBeachten;
    s.NurNMalGegenArmee = NurNMalGegenArmee;
    s.ArmeebewertungKlassisch = ArmeebewertungKlassisch;
    s.ArmeebewertungVergleichend = ArmeebewertungVergleichend;
    s.BemalungWerten = BemalungWerten;
    s.QuizWerten = QuizWerten;
    s.FairplayWerten = FairplayWerten;
    s.SonstigesWerten = SonstigesWerten;
    s.GleicheTeamsBeachten = GleicheTeamsBeachten;
    s.ErsteRundeNachArmeebewertung = ErsteRundeNachArmeebewertung;
    s.MalGegenSelbeArmee = MalGegenSelbeArmee;
    std::copy(std::begin(Toleranzen), std::end(Toleranzen), s.Toleranzen);
    s.OrteBeruecksichtigt = OrteBeruecksichtigt;
    s.OrteNeutral = OrteNeutral;
    s.TeamsBeruecksichtigt = TeamsBeruecksichtigt;
    s.TeamsNeutral = TeamsNeutral;
    s.ArmeenBeruecksichtigt = ArmeenBeruecksichtigt;
    s.ArmeenNeutral = ArmeenNeutral;
    s.Teamturnier = Teamturnier;
    s.Matrix.SiegpunktmatrixBenutzen = SiegpunktmatrixBenutzen;
    s.Matrix.Zeilen = Kopie(Siegpunktmatrix);
    s.SzenarioWerten = SzenarioWerten;
    s.FaktorTurnier = FaktorTurnier;
    s.FaktorArmee = FaktorArmee;
    s.FaktorBemalung = FaktorBemalung;
    s.FaktorFairplay = FaktorFairplay;
    s.FaktorQuiz = FaktorQuiz;
    s.FaktorSonstige = FaktorSonstige;
    s.PaarungshilfeAnzeigen = PaarungshilfeAnzeigen;
    s.Tische.TischeZufaellig = TischeZufaellig;
    s.Tische.ErsteInReihenfolge = ErsteInReihenfolge;
    s.Tische.AnzahlTische = AnzahlTische;
    s.Tische.TischgruppenBeruecksichtigen = TischgruppenBeruecksichtigen;
    s.Tische.AnzahlTischgruppen = AnzahlTischgruppen;
    s.Tische.TischgruppenManuell = TischgruppenManuell;
    s.Tische.WieOftProGruppe = WieOftProGruppe;
    s.Tische.Tischgruppen = Kopie(Tischgruppen);
    s.RundenAnzahl = RundenAnzahl;
    s.GruppenBeachten = GruppenBeachten;
    s.FairplayProSpiel = FairplayProSpiel;
    s.SzenarioEingabe = SzenarioEingabe;
    s.DruckMitSpielernummer = DruckMitSpielernummer;
    return s;
}

void UebernehmeTurnierStand(TTurnierStand&& s) {
    T3TurnierID = s.T3TurnierID;
    Turniername = s.Turniername;
    AktuellerSpieltag = s.AktuellerSpieltag;
    GleicheArmeenBeachten = s.GleicheArmeenBeachten;
    KeinePaarungenMehrfach = s.KeinePaarungenMehrfach;
    GleicheOrteBeachten = s.GleicheOrteBeachten;
    NurNMalGegenArmee = s.NurNMalGegenArmee;
    ArmeebewertungKlassisch = s.ArmeebewertungKlassisch;
    ArmeebewertungVergleichend = s.ArmeebewertungVergleichend;
    BemalungWerten = s.BemalungWerten;
    QuizWerten = s.QuizWerten;
    FairplayWerten = s.FairplayWerten;
    SonstigesWerten = s.SonstigesWerten;
    GleicheTeamsBeachten = s.GleicheTeamsBeachten;
    ErsteRundeNachArmeebewertung = s.ErsteRundeNachArmeebewertung;
    MalGegenSelbeArmee = s.MalGegenSelbeArmee;
    std::copy(std::begin(s.Toleranzen), std::end(s.Toleranzen), Toleranzen);
    OrteBeruecksichtigt = std::move(s.OrteBeruecksichtigt);
    OrteNeutral = std::move(s.OrteNeutral);
    TeamsBeruecksichtigt = std::move(s.TeamsBeruecksichtigt);
    TeamsNeutral = std::move(s.TeamsNeutral);
    ArmeenBeruecksichtigt = std::move(s.ArmeenBeruecksichtigt);
    ArmeenNeutral = std::move(s.ArmeenNeutral);
    Teamturnier = s.Teamturnier;
    SiegpunktmatrixBenutzen = s.Matrix.SiegpunktmatrixBenutzen;
    Siegpunktmatrix = std::move(s.Matrix.Zeilen);
    SzenarioWerten = s.SzenarioWerten;
    FaktorTurnier = s.FaktorTurnier;
    FaktorArmee = s.FaktorArmee;
    FaktorBemalung = s.FaktorBemalung;
    FaktorFairplay = s.FaktorFairplay;
    FaktorQuiz = s.FaktorQuiz;
    FaktorSonstige = s.FaktorSonstige;
    PaarungshilfeAnzeigen = s.PaarungshilfeAnzeigen;
    TischeZufaellig = s.Tische.TischeZufaellig;
    ErsteInReihenfolge = s.Tische.ErsteInReihenfolge;
    AnzahlTische = s.Tische.AnzahlTische;
    TischgruppenBeruecksichtigen = s.Tische.TischgruppenBeruecksichtigen;
    AnzahlTischgruppen = s.Tische.AnzahlTischgruppen;
    TischgruppenManuell = s.Tische.TischgruppenManuell;
    WieOftProGruppe = s.Tische.WieOftProGruppe;
    Tischgruppen = std::move(s.Tische.Tischgruppen);
    RundenAnzahl = s.RundenAnzahl;
    GruppenBeachten = s.GruppenBeachten;
    FairplayProSpiel = s.FairplayProSpiel;
    SzenarioEingabe = s.SzenarioEingabe;
    DruckMitSpielernummer = s.DruckMitSpielernummer;
    Spielerliste = std::move(s.Spieler);
}

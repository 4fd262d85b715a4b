#include "core/TurnierStand.h"

namespace {

// Calls f(field of the copy, process-wide variable) for every pair, so that taking and putting
// back can never miss a field on one side only.
template <class F> void JedesFeld(TTurnierStand& s, F&& f) {
    f(s.T3TurnierID, T3TurnierID);
    f(s.Turniername, Turniername);
    f(s.AktuellerSpieltag, AktuellerSpieltag);
    f(s.GleicheArmeenBeachten, GleicheArmeenBeachten);
    f(s.KeinePaarungenMehrfach, KeinePaarungenMehrfach);
    f(s.GleicheOrteBeachten, GleicheOrteBeachten);
    f(s.NurNMalGegenArmee, NurNMalGegenArmee);
    f(s.ArmeebewertungKlassisch, ArmeebewertungKlassisch);
    f(s.ArmeebewertungVergleichend, ArmeebewertungVergleichend);
    f(s.BemalungWerten, BemalungWerten);
    f(s.QuizWerten, QuizWerten);
    f(s.FairplayWerten, FairplayWerten);
    f(s.SonstigesWerten, SonstigesWerten);
    f(s.GleicheTeamsBeachten, GleicheTeamsBeachten);
    f(s.ErsteRundeNachArmeebewertung, ErsteRundeNachArmeebewertung);
    f(s.MalGegenSelbeArmee, MalGegenSelbeArmee);
    for (int i = 0; i < 5; ++i)
        f(s.Toleranzen[i], Toleranzen[i]);
    f(s.OrteBeruecksichtigt, OrteBeruecksichtigt);
    f(s.OrteNeutral, OrteNeutral);
    f(s.TeamsBeruecksichtigt, TeamsBeruecksichtigt);
    f(s.TeamsNeutral, TeamsNeutral);
    f(s.ArmeenBeruecksichtigt, ArmeenBeruecksichtigt);
    f(s.ArmeenNeutral, ArmeenNeutral);
    f(s.Teamturnier, Teamturnier);
    f(s.Matrix.SiegpunktmatrixBenutzen, SiegpunktmatrixBenutzen);
    f(s.Matrix.Zeilen, Siegpunktmatrix);
    f(s.SzenarioWerten, SzenarioWerten);
    f(s.FaktorTurnier, FaktorTurnier);
    f(s.FaktorArmee, FaktorArmee);
    f(s.FaktorBemalung, FaktorBemalung);
    f(s.FaktorFairplay, FaktorFairplay);
    f(s.FaktorQuiz, FaktorQuiz);
    f(s.FaktorSonstige, FaktorSonstige);
    f(s.PaarungshilfeAnzeigen, PaarungshilfeAnzeigen);
    f(s.Tische.TischeZufaellig, TischeZufaellig);
    f(s.Tische.ErsteInReihenfolge, ErsteInReihenfolge);
    f(s.Tische.AnzahlTische, AnzahlTische);
    f(s.Tische.TischgruppenBeruecksichtigen, TischgruppenBeruecksichtigen);
    f(s.Tische.AnzahlTischgruppen, AnzahlTischgruppen);
    f(s.Tische.TischgruppenManuell, TischgruppenManuell);
    f(s.Tische.WieOftProGruppe, WieOftProGruppe);
    f(s.Tische.Tischgruppen, Tischgruppen);
    f(s.RundenAnzahl, RundenAnzahl);
    f(s.GruppenBeachten, GruppenBeachten);
    f(s.FairplayProSpiel, FairplayProSpiel);
    f(s.SzenarioEingabe, SzenarioEingabe);
    f(s.DruckMitSpielernummer, DruckMitSpielernummer);
}

template <class T> void Kopiere(T& ziel, const T& quelle) {
    ziel = quelle;
}

template <class T> void Kopiere(TObjectList<T>& ziel, const TObjectList<T>& quelle) {
    ziel.clear();
    ziel.reserve(quelle.size());
    for (const auto& eintrag : quelle)
        ziel.push_back(std::make_unique<T>(*eintrag));
}

} // namespace

TTurnierStand ErfasseTurnierStand() {
    TTurnierStand s{};
    JedesFeld(s, [](auto& stand, const auto& global) { Kopiere(stand, global); });
    return s;
}

void UebernehmeTurnierStand(TTurnierStand&& s) {
    JedesFeld(s, [](auto& stand, auto& global) { global = std::move(stand); });
    Spielerliste = std::move(s.Spieler);
}

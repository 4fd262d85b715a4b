#include "CoreState.h"

#include "archive/Spielerarchiv.h"
#include "core/Data.h"
#include "core/PaarungsEngine.h"
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"
#include "core/Teampunkte.h"
#include "core/Teamturnier.h"
#include "core/Tische.h"
#include "core/Wertung.h"
#include "platform/Random.h"
#include "server/ClientListe.h"
#include "translation/Translate.h"

void ResetCoreState() {
    InitTranslator();
    ShowNumbers = false;
    LanguageName.clear();
    RegistriereDatenTexte();

    Spielerliste.clear();
    ArmeebewertungKlassisch = true;
    ArmeebewertungVergleichend = false;
    ErsteRundeNachArmeebewertung = true;
    T3TurnierID = "0";
    Turniername = "";
    Dateiname.clear();
    InitTurnier();
    SeedRandom(12345);
    Teamturnier = false;
    PaarungshilfeAnzeigen = false;
    BemalungWerten = QuizWerten = FairplayWerten = SonstigesWerten = SzenarioWerten = false;
    FaktorTurnier = FaktorArmee = FaktorBemalung = FaktorQuiz = FaktorFairplay = FaktorSonstige =
        1.0;
    RundenAnzahl = 5;
    FairplayProSpiel = true;
    SzenarioEingabe = true;
    DruckMitSpielernummer = true;
    for (auto* list : {&OrteBeruecksichtigt, &TeamsBeruecksichtigt, &ArmeenBeruecksichtigt,
                       &OrteNeutral, &TeamsNeutral, &ArmeenNeutral})
        list->clear();

    Ortswertung.clear();
    Teamwertung.clear();
    Armeewertung.clear();
    Paarungsliste.clear();
    InitTische();
    InitSiegpunktmatrix();
    SiegpunktmatrixBenutzen = false;
    SortierSpalte = 2;
    Teamliste.clear();
    Teampaarungsliste.clear();

    Archiv.Personen.clear();
    PlayerList.clear();

    Clientliste.clear();

    for (int k = 0; k < 5; ++k)
        Verstoesse[k] = PaarVerstoesse[k] = 0;
    PaarungsSuchgrenze = StandardPaarungsSuchgrenze;
    PaarungsSucheAbgebrochen = false;
    PaarungsSuchaufwand = 0;
}

#include "CoreState.h"

#include "archive/Spielerarchiv.h"
#include "core/Data.h"
#include "core/Laufzettel.h"
#include "core/Paarungen.h"
#include "core/PaarungsEngine.h"
#include "core/Siegpunktmatrix.h"
#include "core/Teampunkte.h"
#include "core/Teamturnier.h"
#include "core/Tische.h"
#include "core/Verwaltungsdruck.h"
#include "core/Wertung.h"
#include "platform/Random.h"
#include "platform/Uhr.h"
#include "server/ClientListe.h"
#include "translation/Translate.h"

void ResetCoreState() {
    InitTranslator();
    ShowNumbers = false;
    LanguageName.clear();
    RegistriereDatenTexte();

    Spielerliste.clear();
    T3TurnierID = "0";
    Turniername = "";
    Dateiname.clear();
    InitTurnier(); // every option to its built-in value
    SeedRandom(12345);
    SetzeHeute(std::nullopt);
    VerwaltungSortierung = 0;

    Ortswertung.clear();
    Teamwertung.clear();
    Armeewertung.clear();
    Paarungsliste.clear();
    LaufzettelStandard();
    InitTische();
    InitSiegpunktmatrix();
    SortierSpalte = 2;
    Teamliste.clear();
    Teampaarungsliste.clear();

    Archiv = TArchiv{};
    PlayerList.clear();

    Clientliste.clear();

    for (int k = 0; k < 5; ++k)
        Verstoesse[k] = PaarVerstoesse[k] = 0;
    PaarungsSuchgrenze = StandardPaarungsSuchgrenze;
    PaarungsSucheAbgebrochen = false;
    PaarungsSuchaufwand = 0;
}

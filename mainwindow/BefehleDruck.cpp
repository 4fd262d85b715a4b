// The print commands: standings, the pairings of the selected round, the run sheets, the player
// overview and the status report, each shown in its preview, from which the organiser prints or
// saves. None refreshes the views.
#include "mainwindow/FMain.h"

#include "core/Data.h"
#include "core/Paarungen.h"
#include "platform/Messages.h"
#include "platform/qt/BerichtVorschau.h"
#include "platform/qt/QtText.h"
#include "reports/DDruckKonfigurieren.h"
#include "reports/DlgLaufzetteldruck.h"
#include "reports/RSpielerUebersicht.h"
#include "reports/Spieltagbericht.h"
#include "reports/Tabellenbericht.h"
#include "translation/Translate.h"

void TMain::Tabelle2Click() {
    if (Teamturnier)
        TabelleKomplett = Messages().Ask(GetTranslation(1, 95), GetTranslation(1, 94));
    TabellenIndex = 0;
    Vorschau(Form1->QRTabelle, {}, TabellenFormate(), this);
}

void TMain::Spieltag2Click() {
    RepSpieltag->ErstelleDruckliste(AusgewaehlteRunde());
    Vorschau(RepSpieltag->QuickRep1, {}, {}, this);
}

void TMain::Spielerbersicht1Click() {
    RepSpielerUebersicht->Druckliste = UebersichtDruckliste();
    Vorschau(RepSpielerUebersicht->QuickRep1, Qs(GetTranslation(21, 1)), {}, this);
}

// The dialog's print button shows the status report; its result is of no further interest.
void TMain::Verwaltungsdrucke1Click() {
    DlgDruckKonfigurieren->exec();
}

void TMain::Laufzettel1Click() {
    if (Paarungsliste.empty())
        ErstellePaarungsliste();
    SortierePaarungenNachTisch();
    DlgLaufzetteldruck->exec();
}

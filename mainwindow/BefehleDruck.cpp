// The print commands: standings, the pairings of the selected round and the run sheets, each
// shown in its preview, from which the organiser prints or saves. None refreshes the views.
#include "mainwindow/FMain.h"

#include "core/Data.h"
#include "core/Paarungen.h"
#include "platform/Messages.h"
#include "platform/qt/BerichtVorschau.h"
#include "reports/DlgLaufzetteldruck.h"
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

void TMain::Laufzettel1Click() {
    if (Paarungsliste.empty())
        ErstellePaarungsliste();
    SortierePaarungenNachTisch();
    DlgLaufzetteldruck->exec();
}

// The print commands of the player overview and the status report; neither refreshes the views.
#include "mainwindow/FMain.h"

#include "reports/DDruckKonfigurieren.h"
#include "reports/RSpielerUebersicht.h"

void TMain::Spielerbersicht1Click() {
    RepSpielerUebersicht->Druckliste = UebersichtDruckliste();
    RepSpielerUebersicht->Preview();
}

// The dialog's print button shows the report; its result is of no further interest.
void TMain::Verwaltungsdrucke1Click() {
    DlgDruckKonfigurieren->exec();
}

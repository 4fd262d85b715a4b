// The commands of a round: pairing it, entering its results, and the options that steer both.
// Each shows its dialog modally and refreshes the views afterwards, whatever the dialog's result.
#include "mainwindow/FMain.h"

#include "core/Data.h"
#include "core/Paarungen.h"
#include "dialogs/DErgebnisse.h"
#include "dialogs/DOptionen.h"
#include "dialogs/DPaaren.h"

void TMain::bPaarenClick() {
    AktuellerSpieltag = AusgewaehlteRunde();
    DlgPaaren->exec();
    AnsichtErneuern();
}

void TMain::Ergebnisse1Click() {
    if (Paarungsliste.empty())
        ErstellePaarungsliste();
    DlgErgebnisse->exec();
    AnsichtErneuern();
}

void TMain::Paarenkonfigurieren1Click() {
    DlgOptionen->exec();
    SpieltagAuswahlErneuern();
    AnsichtErneuern();
}

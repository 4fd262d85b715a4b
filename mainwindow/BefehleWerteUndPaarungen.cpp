// Special scores, swapping pairings and deleting players. The special scores count from the next
// refresh on; the other two commands refresh the views after their dialog, whatever its result.
#include "mainwindow/FMain.h"

#include "dialogs/DPaarungenTauschen.h"
#include "dialogs/DSpielerLoeschen.h"
#include "dialogs/DWerteEingeben.h"

namespace {

void WerteEingeben(int modus) {
    DlgWerteEingeben->Modus = modus;
    DlgWerteEingeben->exec();
}

} // namespace

void TMain::Armeebewertung1Click() {
    WerteEingeben(1);
}

void TMain::Bemalung1Click() {
    WerteEingeben(2);
}

void TMain::Quizpunkte1Click() {
    WerteEingeben(3);
}

void TMain::Fairplay1Click() {
    WerteEingeben(4);
}

void TMain::Sonstiges1Click() {
    WerteEingeben(5);
}

void TMain::PaarungenTauschen1Click() {
    DlgPaarungenTauschen->exec();
    AnsichtErneuern();
}

void TMain::SpielerlschenNurvorerstemSpiel1Click() {
    DlgSpielerLoeschen->exec();
    AnsichtErneuern();
}

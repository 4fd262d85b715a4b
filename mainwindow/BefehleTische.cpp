// The commands of tables and matrix: table management writes the tables into the players and
// refreshes the views afterwards; the matrix editor changes nothing the views show until the next
// refresh.
#include "mainwindow/FMain.h"

#include "core/Paarungen.h"
#include "dialogs/DSiegpunktmatrix.h"
#include "dialogs/DTischverwaltung.h"

void TMain::TischeVerwalten1Click() {
    dlgTischverwaltung->exec();
    UebernehmeTische();
    AnsichtErneuern();
}

void TMain::Siegpunktmatrix1Click() {
    DlgSiegpunktmatrix->exec();
}

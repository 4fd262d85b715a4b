// The three commands of the hidden archive menu. Each only shows its dialog: the views are not
// refreshed, not even after players were taken over.
#include "mainwindow/FMain.h"

#include "archive/qt/DArchiv.h"
#include "archive/qt/DMehrereUebernehmen.h"
#include "archive/qt/DTurnierSpeichern.h"

void TMain::SpielerinArchivbernehmen1Click() {
    DlgSaveTurnier->exec();
}

void TMain::Archivdatenanzeigen1Click() {
    DlgArchiv->exec();
}

void TMain::MehrereSpielerausArchivbernehmen1Click() {
    DlgMehrererUebernehmen->exec();
}

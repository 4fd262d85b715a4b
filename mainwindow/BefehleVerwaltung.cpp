// The administration commands of the main window.
#include "mainwindow/FMain.h"

#include "core/SpielerImport.h"
#include "mainwindow/DateiDialog.h"

void TMain::Spielerimportieren1Click() {
    if (!ODImport->Execute())
        return;
    ImportiereSpieler(ODImport->FileName);
    ZeigeTurniername();
    AnsichtErneuern();
}

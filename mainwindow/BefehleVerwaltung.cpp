// The administration commands of the main window.
#include "mainwindow/FMain.h"

#include "core/SpielerImport.h"
#include "dialogs/DNeuerSpieler.h"
#include "mainwindow/DateiDialog.h"
#include "server/qt/DlgServer.h"

void TMain::Spielerimportieren1Click() {
    if (!ODImport->Execute())
        return;
    ImportiereSpieler(ODImport->FileName);
    // The imported players are shown for checking.
    DlgNeuerSpiel->exec();
    ZeigeTurniername();
    AnsichtErneuern();
}

void TMain::NeuerSpielerClick() {
    DlgNeuerSpiel->exec();
    AnsichtErneuern();
}

void TMain::NeuenSpielereingeben1Click() {
    DlgNeuerSpiel->ChangeModus(TDlgNeuerSpiel::ArchivEingabe);
    DlgNeuerSpiel->exec();
    DlgNeuerSpiel->ChangeModus(TDlgNeuerSpiel::Leerlauf);
    AnsichtErneuern();
}

// The server window; the server goes on running when it closes.
void TMain::Button1Click() {
    DServer->exec();
}

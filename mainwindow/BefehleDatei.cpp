// The file commands of the main window: load, save, save under.
#include "mainwindow/FMain.h"

#include "core/Data.h"
#include "core/Paarungen.h"
#include "core/Teamturnier.h"
#include "core/Turnierdatei.h"
#include "mainwindow/DateiDialog.h"
#include "platform/LineFile.h"

#include <QComboBox>
#include <algorithm>

namespace {

std::filesystem::path Pfad(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool HatDateiname() {
    return !TrimText(Dateiname).empty();
}

} // namespace

void TMain::ToolButton1Click() {
    // "Neu" has never done anything: a tournament starts empty only at program start.
}

void TMain::ToolButton2Click() {
    if (HatDateiname())
        OD->FileName = Pfad(Dateiname);
    if (!OD->Execute())
        return;
    // The file becomes the current one only once it has been read whole; a failed load leaves
    // the open tournament, its name and the views as they were.
    const std::string bisher = Dateiname;
    Dateiname = PathText(OD->FileName);
    try {
        LadeTurnier();
    } catch (...) {
        Dateiname = bisher;
        throw;
    }
    Teamliste.clear();
    ZeigeTurniername();
    SpieltagAuswahlErneuern();
    // A stored round outside the selector's items selects the nearest one, which becomes current.
    const int runde = std::clamp(AktuellerSpieltag, 1, std::max(cbSpieltag->count(), 1));
    cbSpieltag->setCurrentIndex(runde - 1);
    if (cbSpieltag->count() > 0)
        AktuellerSpieltag = runde;
    AnsichtErneuern();
    // The pairings of the previous tournament must not stay on offer to result entry and the
    // result server: rebuild them for the loaded round.
    ErstellePaarungsliste();
    SortierePaarungenNachPlatz();
    if (Teamturnier)
        ErstelleTeampaarungen();
    else
        Teampaarungsliste.clear();
}

void TMain::ToolButton3Click() {
    TurnierSpeichern();
}

void TMain::TurnierSpeichern() {
    if (!HatDateiname()) {
        if (!SD->Execute())
            return;
        Dateiname = PathText(SD->FileName);
    }
    SpeichereTurnier();
}

void TMain::SpeichernUnter1Click() {
    if (HatDateiname())
        SD->FileName = Pfad(Dateiname);
    if (!SD->Execute())
        return;
    Dateiname = PathText(SD->FileName);
    SpeichereTurnier();
}

void TMain::Beenden1Click() {
    close();
}

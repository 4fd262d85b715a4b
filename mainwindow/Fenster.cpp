#include "mainwindow/Fenster.h"

#include "archive/qt/DArchiv.h"
#include "archive/qt/DMehrereUebernehmen.h"
#include "archive/qt/DTurnierSpeichern.h"
#include "dialogs/DErgebnisse.h"
#include "dialogs/DNeuerSpieler.h"
#include "dialogs/DOptionen.h"
#include "dialogs/DPaaren.h"
#include "dialogs/DPaarungenTauschen.h"
#include "dialogs/DSiegpunktmatrix.h"
#include "dialogs/DSpielerLoeschen.h"
#include "dialogs/DTischverwaltung.h"
#include "dialogs/DWerteEingeben.h"
#include "mainwindow/FMain.h"
#include "platform/Guarded.h"
#include "reports/DDruckKonfigurieren.h"
#include "reports/DlgLaufzetteldruck.h"
#include "reports/Laufzettelbericht.h"
#include "reports/RSpielerUebersicht.h"
#include "reports/RVerwaltung.h"
#include "reports/Spieltagbericht.h"
#include "reports/Tabellenbericht.h"
#include "server/qt/DlgServer.h"
#include "translation/qt/DSpracheWaehlen.h"

#include <functional>
#include <vector>

TMain* Main = nullptr;

namespace {

std::vector<std::function<void()>> abbau;

// Keeps a new window in its form variable until ZerstoereFenster.
template <class T> void Behalte(T*& fenster, T* neu) {
    fenster = neu;
    abbau.push_back([&fenster] {
        delete fenster;
        fenster = nullptr;
    });
}

// A hidden window of the creation order, parented to the main window. The window itself always
// comes into being; a failure of its creation handler is shown and start-up goes on.
template <class T> void Erzeuge(T*& fenster) {
    Behalte(fenster, new T(Main));
    Guarded([&fenster] { fenster->FormCreate(); });
}

} // namespace

void ErzeugeFenster() {
    // The order: TMain; TDServer; TDlgOptionen; TDlgNeuerSpiel; TDlgPaaren; TDlgErgebnisse;
    // TDlgArchiv; TDlgSaveTurnier; TForm1; TDlgMehrererUebernehmen; TDlgWerteEingeben;
    // TRepSpieltag; TRepSpielerUebersicht; TDlgSpielerLoeschen; TDlgPaarungenTauschen;
    // TRepVerwaltung; TDlgDruckKonfigurieren; TdlgTischverwaltung; TDlgSiegpunktmatrix;
    // TRepLaufzettel; TDlgLaufzetteldruck; TDlgSpracheWaehlen. The server window must precede
    // the options dialog, whose creation already notifies the server's client list.
    Behalte(Main, new TMain);
    // The window itself always comes into being; a failure of its creation handler is shown.
    Guarded([] { Main->FormCreate(); });
    Behalte(DServer, new TDServer(Main));
    Erzeuge(DlgOptionen);
    Erzeuge(DlgNeuerSpiel);
    Erzeuge(DlgPaaren);
    Erzeuge(DlgErgebnisse);
    Erzeuge(DlgArchiv);
    Erzeuge(DlgSaveTurnier);
    Erzeuge(Form1);
    Erzeuge(DlgMehrererUebernehmen);
    Erzeuge(DlgWerteEingeben);
    Erzeuge(RepSpieltag);
    Erzeuge(RepSpielerUebersicht);
    Erzeuge(DlgSpielerLoeschen);
    Erzeuge(DlgPaarungenTauschen);
    Erzeuge(RepVerwaltung);
    Erzeuge(DlgDruckKonfigurieren);
    Erzeuge(dlgTischverwaltung);
    Erzeuge(DlgSiegpunktmatrix);
    Erzeuge(RepLaufzettel);
    Erzeuge(DlgLaufzetteldruck);
    Erzeuge(DlgSpracheWaehlen);
}

void ZerstoereFenster() {
    while (!abbau.empty()) {
        abbau.back()();
        abbau.pop_back();
    }
}

#include "mainwindow/Fenster.h"

#include "mainwindow/FMain.h"
#include "platform/Guarded.h"

#include <functional>
#include <vector>

TMain* Main = nullptr;

namespace {

std::vector<std::function<void()>> abbau;

// The window object always comes into being; only its creation handler can fail.
template <class T> void Erzeuge(T*& fenster, QWidget* parent) {
    fenster = new T(parent);
    abbau.push_back([&fenster] {
        delete fenster;
        fenster = nullptr;
    });
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
    Erzeuge(Main, nullptr);
}

void ZerstoereFenster() {
    while (!abbau.empty()) {
        abbau.back()();
        abbau.pop_back();
    }
}

// Which control or menu entry runs which command. Every command runs inside Guarded, so a
// failure shows the error box and the program goes on.
#include "mainwindow/FMain.h"

#include "platform/Guarded.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace {

template <class Quelle, class Signal>
void Befehl(TMain* fenster, Quelle* quelle, Signal signal, void (TMain::*befehl)()) {
    QObject::connect(quelle, signal, fenster,
                     [fenster, befehl] { Guarded([fenster, befehl] { (fenster->*befehl)(); }); });
}

void Menue(TMain* fenster, QAction* eintrag, void (TMain::*befehl)()) {
    Befehl(fenster, eintrag, &QAction::triggered, befehl);
}

void Knopf(TMain* fenster, QAbstractButton* knopf, void (TMain::*befehl)()) {
    Befehl(fenster, knopf, &QAbstractButton::clicked, befehl);
}

} // namespace

void TMain::VerbindeBefehle() {
    Knopf(this, ToolButton1, &TMain::ToolButton1Click);
    Menue(this, Neu1, &TMain::ToolButton1Click);
    Knopf(this, ToolButton2, &TMain::ToolButton2Click);
    Menue(this, Laden, &TMain::ToolButton2Click);
    Knopf(this, ToolButton3, &TMain::ToolButton3Click);
    Menue(this, Speichern1, &TMain::ToolButton3Click);
    Menue(this, SpeichernUnter1, &TMain::SpeichernUnter1Click);
    Menue(this, Beenden1, &TMain::Beenden1Click);
    Menue(this, Spielerimportieren1, &TMain::Spielerimportieren1Click);
    Knopf(this, bSpieler, &TMain::NeuerSpielerClick);
    Menue(this, SpielerVerndern, &TMain::NeuerSpielerClick);
    Menue(this, NeuenSpielereingeben1, &TMain::NeuenSpielereingeben1Click);
    Menue(this, ServerVerwalten1, &TMain::Button1Click);
    Knopf(this, bPaaren, &TMain::bPaarenClick);
    Knopf(this, bErgebnis, &TMain::Ergebnisse1Click);
    Menue(this, Ergebnisse1, &TMain::Ergebnisse1Click);
    Menue(this, Paarenkonfigurieren1, &TMain::Paarenkonfigurieren1Click);
    Menue(this, PaarungenTauschen1, &TMain::PaarungenTauschen1Click);
    Menue(this, Armeebewertung1, &TMain::Armeebewertung1Click);
    Menue(this, Bemalung1, &TMain::Bemalung1Click);
    Menue(this, Quizpunkte1, &TMain::Quizpunkte1Click);
    Menue(this, Fairplay1, &TMain::Fairplay1Click);
    Menue(this, Sonstiges1, &TMain::Sonstiges1Click);
    Menue(this, SpielerlschenNurvorerstemSpiel1, &TMain::SpielerlschenNurvorerstemSpiel1Click);
    Menue(this, Info1, &TMain::Info1Click);
    Menue(this, Tabelle, &TMain::Tabelle2Click);
    Menue(this, Tabelle2, &TMain::Tabelle2Click);
    Menue(this, Spieltag, &TMain::Spieltag2Click);
    Menue(this, Spieltag2, &TMain::Spieltag2Click);
    Menue(this, Laufzettel1, &TMain::Laufzettel1Click);
    Menue(this, Hilfe2, &TMain::Hilfe2Click);
    Menue(this, Spieltag1, &TMain::Spieltag1Click);
    Menue(this, abelle1, &TMain::abelle1Click);
    Menue(this, HtmlExport1, &TMain::HtmlExport1Click);
    Menue(this, ErgebnisseExportieren1, &TMain::ErgebnisseExportieren1Click);
    Menue(this, TischeVerwalten1, &TMain::TischeVerwalten1Click);
    Menue(this, Siegpunktmatrix1, &TMain::Siegpunktmatrix1Click);
    Menue(this, Sprachendern1, &TMain::Sprachendern1Click);
    Menue(this, SpielerinArchivbernehmen1, &TMain::SpielerinArchivbernehmen1Click);
    Menue(this, Archivdatenanzeigen1, &TMain::Archivdatenanzeigen1Click);
    Menue(this, MehrereSpielerausArchivbernehmen1, &TMain::MehrereSpielerausArchivbernehmen1Click);
    Menue(this, Spielerbersicht1, &TMain::Spielerbersicht1Click);
    Menue(this, Verwaltungsdrucke1, &TMain::Verwaltungsdrucke1Click);

    connect(cbSpieltag, &QComboBox::activated, this,
            [this] { Guarded([this] { cbSpieltagChange(); }); });
    connect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int spalte) { Guarded([this, spalte] { GridColumnClick(spalte); }); });
}

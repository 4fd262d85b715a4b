// The views of the main window and the round selector. Every refresh rebuilds every view.
#include "mainwindow/FMain.h"

#include "core/Data.h"
#include "core/Paarungen.h"
#include "core/Teampunkte.h"
#include "core/Teamturnier.h"
#include "core/Wertung.h"
#include "mainwindow/Ansichtszeilen.h"
#include "mainwindow/Listenansicht.h"
#include "platform/Convert.h"
#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QComboBox>
#include <QLocale>
#include <QTabWidget>
#include <QTableWidget>

namespace {

// Columns 0 to 5 of the standings are fixed; the optional ones follow.
constexpr int FesteSpaltenTabelle = 6;
constexpr int SpalteGruppeSpiele = 7;
constexpr int SpalteZeilennummer = 1;

char Dezimaltrenner() {
    const std::string trenner = Cp(QLocale().decimalPoint());
    return trenner.empty() ? '.' : trenner[0];
}

void Fuellen(QTableWidget* ansicht, const std::vector<TZeile>& zeilen) {
    ansicht->setUpdatesEnabled(false);
    ZeilenEntfernen(ansicht);
    for (const auto& zeile : zeilen)
        ZeileAnhaengen(ansicht, zeile);
    ansicht->setUpdatesEnabled(true);
}

} // namespace

int TMain::AusgewaehlteRunde() const {
    return StrToInt(Cp(cbSpieltag->currentText()));
}

void TMain::AnsichtErneuern() {
    const int runde = AusgewaehlteRunde();
    BerechneWertung(runde, QuizWerten, FairplayWerten, ArmeebewertungKlassisch,
                    ArmeebewertungVergleichend, BemalungWerten, SonstigesWerten, SzenarioWerten);
    BerechneTeampunkte();
    if (Teamturnier) {
        ErstelleTeampaarungen();
        UebernehmeTeamwertung();
        GridTeampunkteErneuern();
    }
    ZeigeSeite(tbTeampaarungen, Teamturnier);
    // The standings sort Spielerliste, the games may re-sort it by group, and the pairing help
    // lists the players in the order left behind.
    GridErneuern();
    GridTeamErneuern();
    GridErgebnisErneuern();
    ZeigeSeite(tsPaarungshilfe, PaarungshilfeAnzeigen);
    if (PaarungshilfeAnzeigen)
        GridPaarungsinfosErneuern();
}

void TMain::GridErneuern() {
    ZeilenEntfernen(Grid);
    SpaltenKuerzen(Grid, FesteSpaltenTabelle);
    bool spaltensortierung = false;
    if (SortierSpalte <= 2)
        SortiereTabelle();
    else
        spaltensortierung = SortiereNachSpalte();
    Grid->setColumnWidth(SpalteZeilennummer, spaltensortierung ? 40 : 1);
    for (const auto& spalte : ZusatzspaltenDerTabelle())
        SpalteAnhaengen(Grid, Qs(GetTranslation(1, spalte.textId)), {spalte.breite, true});
    Fuellen(Grid, TabellenZeilen(AusgewaehlteRunde(), Dezimaltrenner()));
}

void TMain::GridErgebnisErneuern() {
    ZeilenEntfernen(lvSpiele);
    if (GruppenBeachten) {
        SortiereNachGruppe("Gruppe");
        if (lvSpiele->columnCount() <= SpalteGruppeSpiele)
            SpalteAnhaengen(lvSpiele, Qs(GetTranslation(1, 108)), {40, true});
    } else {
        SpaltenKuerzen(lvSpiele, SpalteGruppeSpiele);
    }
    Fuellen(lvSpiele, SpieleZeilen(AusgewaehlteRunde()));
}

void TMain::GridTeamErneuern() {
    Fuellen(GridTeam, WertungsZeilen(GetTranslation(1, 74), GetTranslation(1, 75),
                                     GetTranslation(1, 76), Dezimaltrenner()));
}

void TMain::GridTeampunkteErneuern() {
    Fuellen(lvTeamSpiele, TeamspieleZeilen(AusgewaehlteRunde()));
}

void TMain::GridPaarungsinfosErneuern() {
    Fuellen(lvPaarungsinfo, PaarungsinfoZeilen(Dezimaltrenner()));
}

void TMain::SpieltagAuswahlErneuern() {
    const int bisher = AktuellerSpieltag;
    if (cbSpieltag->count() == RundenAnzahl)
        return;
    cbSpieltag->clear();
    for (int runde = 1; runde <= RundenAnzahl; ++runde)
        cbSpieltag->addItem(QString::number(runde));
    if (RundenAnzahl < bisher) {
        cbSpieltag->setCurrentIndex(cbSpieltag->count() - 1);
        AktuellerSpieltag = AusgewaehlteRunde();
        AnsichtErneuern();
        ErstellePaarungsliste();
        SortierePaarungenNachPlatz();
    } else {
        cbSpieltag->setCurrentIndex(bisher - 1);
    }
}

void TMain::cbSpieltagChange() {
    AktuellerSpieltag = AusgewaehlteRunde();
    AnsichtErneuern();
    ErstellePaarungsliste();
    SortierePaarungenNachPlatz();
}

void TMain::FormKeyDown(int key) {
    if (key == Qt::Key_F5)
        AnsichtErneuern();
}

void TMain::GridColumnClick(int spalte) {
    // The column order lasts until the next refresh; a failed rebuild must not leave it set.
    struct Zuruecksetzen {
        ~Zuruecksetzen() { SortierSpalte = 2; }
    } zuruecksetzen;
    SortierSpalte = spalte;
    GridErneuern();
}

// The views of the main window and the round selector. Every refresh rebuilds every view.
#include "mainwindow/FMain.h"

#include "core/Data.h"
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

char Dezimaltrenner() {
    const std::string trenner = Cp(QLocale().decimalPoint());
    return trenner.empty() ? '.' : trenner[0];
}

void Fuellen(QTableWidget* ansicht, const std::vector<TZeile>& zeilen) {
    ansicht->setUpdatesEnabled(false);
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
    (void)runde;
    GridErneuern();
    GridErgebnisErneuern();
    ZeigeSeite(tsPaarungshilfe, PaarungshilfeAnzeigen);
    if (PaarungshilfeAnzeigen)
        GridPaarungsinfosErneuern();
}

void TMain::GridErneuern() {
    ZeilenEntfernen(Grid);
    SpaltenKuerzen(Grid, FesteSpaltenTabelle);
    for (const auto& spalte : ZusatzspaltenDerTabelle())
        SpalteAnhaengen(Grid, Qs(GetTranslation(1, spalte.textId)), {spalte.breite, true});
    Fuellen(Grid, TabellenZeilen(AusgewaehlteRunde(), Dezimaltrenner()));
}

void TMain::GridErgebnisErneuern() {
    ZeilenEntfernen(lvSpiele);
    if (GruppenBeachten) {
        if (lvSpiele->columnCount() <= SpalteGruppeSpiele)
            SpalteAnhaengen(lvSpiele, Qs(GetTranslation(1, 108)), {40, true});
    } else {
        SpaltenKuerzen(lvSpiele, SpalteGruppeSpiele);
    }
    Fuellen(lvSpiele, SpieleZeilen(AusgewaehlteRunde()));
}

void TMain::GridPaarungsinfosErneuern() {
    ZeilenEntfernen(lvPaarungsinfo);
    Fuellen(lvPaarungsinfo, PaarungsinfoZeilen(Dezimaltrenner()));
}

void TMain::FormKeyDown(int key) {
    if (key == Qt::Key_F5)
        AnsichtErneuern();
}

void TMain::cbSpieltagChange() {
    AktuellerSpieltag = AusgewaehlteRunde();
    AnsichtErneuern();
}

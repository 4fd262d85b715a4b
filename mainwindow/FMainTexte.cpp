// The texts of the main window (section 1) and where each one is shown.
#include "mainwindow/FMain.h"

#include "mainwindow/Kontakt.h"
#include "mainwindow/Listenansicht.h"

#include "platform/qt/QtText.h"
#include "translation/Translate.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <array>
#include <utility>

namespace {

constexpr int Abschnitt = 1;

struct TText {
    int id;
    const char* text;
};

constexpr std::array<TText, 105> Texte{{
    {1, "Paaren"},
    {2, "Spieler Verändern"},
    {3, "Ergebnisse Eingeben"},
    {4, "Aktueller Spieltag"},
    {5, "Datei"},
    {6, "Neu"},
    {7, "Laden"},
    {8, "Speichern"},
    {9, "Sprache ändern"},
    {10, "Beenden"},
    {11, "Verwaltung"},
    {12, "Neuen Spieler eingeben"},
    {13, "Spieler Verändern"},
    {14, "Ergebnisse"},
    {15, "Paaren konfigurieren"},
    {16, "Paarungen Tauschen"},
    {17, "Werte Eingeben"},
    {18, "Armeebewertung"},
    {19, "Bemalung"},
    {20, "Quizpunkte"},
    {21, "Fairplay"},
    {22, "Sonstiges"},
    {23, "Spieler löschen(Nur vor erstem Spiel)"},
    {24, "Tuvon Import von T3 laden"},
    {25, "Ergebnisse nach T3 exportieren"},
    {26, "Tische Verwalten"},
    {27, "Siegpunktmatrix"},
    {28, "Drucken"},
    {29, "Tabelle"},
    {30, "Spieltag"},
    {31, "Spielerübersicht"},
    {32, "Html-Export"},
    {33, "Textdatei"},
    {34, "Tabelle"},
    {35, "Spieltag"},
    {36, "Verwaltungsdrucke"},
    {37, "Laufzettel"},
    {38, "Hilfe"},
    {39, "Info"},
    {40, "Hilfe"},
    {41, "Tabelle"},
    {42, "Platz"},
    {43, "Name"},
    {44, "Punkte"},
    {45, "Differenz"},
    {51, "Spiele"},
    {52, "Team/Armee/Ort"},
    {53, "Teampaarungen"},
    {54, "Paarungshilfen"},
    {55, "Nr"},
    {56, "Tisch"},
    {57, "Spieler 1"},
    {58, "Spieler 2"},
    {59, "Ergebnis"},
    {60, "Differenz"},
    {61, "Platz"},
    {62, "Name"},
    {63, "Anzahl"},
    {64, "Gesamtpunkte"},
    {65, "Spielpunkte"},
    {66, "Team 1"},
    {67, "Team 2"},
    {68, "Platz"},
    {69, "Name"},
    {70, "Punkte"},
    {71, "Armee"},
    {72, "Herkunft"},
    {73, "Team"},
    {74, "Teamwertung"},
    {75, "Armeewertung"},
    {76, "Ortswertung"},
    {77, "Quiz"},
    {78, "Fairplay"},
    {79, "Armeebewertung"},
    {80, "Bemalung"},
    {81, "Sonstiges"},
    {82, "Gesamt"},
    {83, "Name "},
    {84, "Punkte "},
    {85, "Armee "},
    {86, "Malen "},
    {87, "Quiz "},
    {88, "Fairplay "},
    {89, "Sonstiges "},
    {90, "Gesamt "},
    {91, "Differenz "},
    {92, "Sonst. "},
    {93, "Fair "},
    {94, "Soll die Tabelle mit den Spielern gedruckt werden?"},
    {95, "Komplett?"},
    {96, " Paarungen Runde "},
    {97, "Speichern?"},
    {98, "Armeetyp "},
    {99, "Leider gibt es noch keine Hilfe!"},
    {100, "Versuch es bei Problemen doch einmal mit dem unter Info angegebenen Kontakt!"},
    {101, "Dornwalde-Paarungs-Programm"},
    {102, "Version: "},
    {103, " Dateiversion: "},
    {104, "Kontakt: "},
    {105, "Neueste Version: Immer aktuell auf " TUVON_WEBSEITE},
    {106, "Deutsch, Englisch: "},
    {107, "Französisch: "},
    {108, "Gruppe"},
    {109, "Speichern unter..."},
    {110, "Server"},
}};

// What the window shows before the text table is applied: the built-in texts.
QString EingebauterText(int section, int id) {
    if (section == 7 && id == 8)
        return QStringLiteral("Halvener Paarungs Programm");
    for (const auto& t : Texte)
        if (section == Abschnitt && t.id == id)
            return QString::fromUtf8(t.text);
    return QString();
}

} // namespace

void TMain::TexteRegistrieren() {
    for (const auto& t : Texte)
        RegisterText(Abschnitt, t.id, t.text);
}

void TMain::TexteUebersetzen() {
    Beschriften([](int section, int id) { return Qs(GetTranslation(section, id)); });
}

void TMain::Beschriften(const Textquelle& text) {
    const auto t = [&text](int id) { return text(Abschnitt, id); };
    setWindowTitle(text(7, 8));

    for (const auto& [knopf, id] :
         {std::pair<QPushButton*, int>{bPaaren, 1}, {bSpieler, 2}, {bErgebnis, 3}})
        knopf->setText(t(id));
    Label1->setText(t(4));

    for (const auto& [menue, id] : {std::pair<QMenu*, int>{Datei, 5},
                                    {Verwaltung, 11},
                                    {WerteEingeben1, 17},
                                    {Drucken, 28},
                                    {extdatei1, 33},
                                    {Hilfe1, 38}})
        menue->setTitle(t(id));

    const std::pair<QAction*, int> eintraege[] = {
        {Neu1, 6},
        {Laden, 7},
        {Speichern1, 8},
        {Sprachendern1, 9},
        {Beenden1, 10},
        {SpeichernUnter1, 109},
        {NeuenSpielereingeben1, 12},
        {SpielerVerndern, 13},
        {Ergebnisse1, 14},
        {Paarenkonfigurieren1, 15},
        {PaarungenTauschen1, 16},
        {Armeebewertung1, 18},
        {Bemalung1, 19},
        {Quizpunkte1, 20},
        {Fairplay1, 21},
        {Sonstiges1, 22},
        {SpielerlschenNurvorerstemSpiel1, 23},
        {Spielerimportieren1, 24},
        {ErgebnisseExportieren1, 25},
        {TischeVerwalten1, 26},
        {Siegpunktmatrix1, 27},
        {ServerVerwalten1, 110},
        {Tabelle, 29},
        {Spieltag, 30},
        {Spielerbersicht1, 31},
        {HtmlExport1, 32},
        {abelle1, 34},
        {Spieltag1, 35},
        {Verwaltungsdrucke1, 36},
        {Laufzettel1, 37},
        {Info1, 39},
        {Hilfe2, 40},
        {Tabelle2, 29},
        {Spieltag2, 30},
    };
    for (const auto& [eintrag, id] : eintraege)
        eintrag->setText(t(id));

    for (const auto& [knopf, id] : {std::pair<QToolButton*, int>{ToolButton1, 6},
                                    {ToolButton2, 7},
                                    {ToolButton3, 8},
                                    {ToolButton5, 28}})
        knopf->setToolTip(t(id));

    for (const auto& [seite, id] : {std::pair<QWidget*, int>{TabSheet3, 41},
                                    {TabSheet5, 51},
                                    {TabSheet4, 52},
                                    {tbTeampaarungen, 53},
                                    {tsPaarungshilfe, 54}})
        PageControl1->setTabText(PageControl1->indexOf(seite), t(id));

    const auto koepfe = [&t](QTableWidget* ansicht, int ersteSpalte,
                             std::initializer_list<int> ids) {
        int spalte = ersteSpalte;
        for (int id : ids)
            SetzeSpaltenkopf(ansicht, spalte++, t(id));
    };
    koepfe(Grid, 2, {42, 43, 44, 45});
    koepfe(lvSpiele, 1, {55, 56, 57, 58, 59, 60});
    koepfe(GridTeam, 1, {61, 62, 63, 64, 65});
    koepfe(lvTeamSpiele, 1, {55, 56, 66, 67, 59, 60});
    koepfe(lvPaarungsinfo, 2, {68, 69, 70, 71, 72, 73});
}

void TMain::BeschriftenEingebaut() {
    Beschriften(EingebauterText);
}

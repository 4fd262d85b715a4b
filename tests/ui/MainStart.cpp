// The main window after start-up: captions, menus, hidden sheets, empty views and the language
// chosen for the start.
#include "MainFixture.h"
#include "platform/Cp1252.h"
#include "qt/Bedienen.h"
#include "translation/Translate.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

QStringList Eintraege(const QMenu* menue) {
    QStringList namen;
    for (const QAction* a : menue->actions())
        namen << (a->isSeparator() ? QStringLiteral("-")
                  : a->menu()      ? a->menu()->objectName()
                                   : a->objectName());
    return namen;
}

// The caption of a control or menu entry found by its object name.
QString Text(const TMain& main, const char* name) {
    if (auto* eintrag = main.findChild<QAction*>(name))
        return eintrag->text();
    if (auto* knopf = main.findChild<QAbstractButton*>(name))
        return knopf->text();
    return Element<QLabel>(&main, name)->text();
}

} // namespace

class MainStart : public QObject {
    Q_OBJECT
private slots:
    void startsWithBuiltInTextsEmptyViewsAndEveryMenuEntry() {
        ProgramWindows windows;
        // Whatever the state held before, the creation starts an empty tournament.
        SpielerAnlegen(1, "Alt", "Last");
        T3TurnierID = "9";
        AktuellerSpieltag = RundenAnzahl = 3;
        TMain& main = windows.Start();
        QVERIFY(Spielerliste.empty() && Dateiname.empty());
        QCOMPARE(T3TurnierID.str(), std::string("0"));
        QCOMPARE(AktuellerSpieltag, 1);
        QCOMPARE(RundenAnzahl, 5);

        QCOMPARE(main.windowTitle(), QStringLiteral("Halvener Paarungs Programm"));
        QStringList texte;
        for (const char* name : {"bPaaren", "bSpieler", "bErgebnis", "Label1", "lbTurniername",
                                 "SpeichernUnter1", "SpielerlschenNurvorerstemSpiel1"})
            texte << Text(main, name);
        QCOMPARE(texte, (QStringList{"Paaren", "Spieler Verändern", "Ergebnisse Eingeben",
                                     "Aktueller Spieltag", "", "Speichern unter...",
                                     "Spieler löschen(Nur vor erstem Spiel)"}));
        QCOMPARE(main.findChild<QToolButton*>("ToolButton2")->toolTip(), QStringLiteral("Laden"));
        auto* drucken = main.findChild<QToolButton*>("ToolButton5");
        QCOMPARE(drucken->toolTip(), QStringLiteral("Drucken"));
        QCOMPARE(drucken->menu(), main.findChild<QMenu*>("DruckMenu"));
        QCOMPARE(Eintraege(drucken->menu()), (QStringList{"Tabelle2", "Spieltag2"}));

        // Tabs in order; the team pairings and the pairing help start hidden.
        auto* seiten = main.findChild<QTabWidget*>("PageControl1");
        QStringList tabs;
        for (int i = 0; i < seiten->count(); ++i)
            tabs << seiten->widget(i)->objectName() + "=" + seiten->tabText(i) +
                        (seiten->isTabVisible(i) ? "" : " (hidden)");
        QCOMPARE(tabs,
                 (QStringList{"TabSheet3=Tabelle", "TabSheet5=Spiele", "TabSheet4=Team/Armee/Ort",
                              "tbTeampaarungen=Teampaarungen (hidden)",
                              "tsPaarungshilfe=Paarungshilfen (hidden)"}));
        QCOMPARE(seiten->currentWidget()->objectName(), QStringLiteral("TabSheet3"));

        QCOMPARE(Koepfe(main.findChild<QTableWidget*>("Grid")),
                 (QStringList{"", "", "Platz", "Name", "Punkte", "Differenz"}));
        QCOMPARE(Koepfe(main.findChild<QTableWidget*>("lvTeamSpiele")),
                 (QStringList{"", "Nr", "Tisch", "Team 1", "Team 2", "Ergebnis", "Differenz"}));
        QCOMPARE(Koepfe(main.findChild<QTableWidget*>("lvPaarungsinfo")),
                 (QStringList{"", "", "Platz", "Name", "Punkte", "Armee", "Herkunft", "Team"}));
        for (const char* name : {"Grid", "lvSpiele", "GridTeam", "lvTeamSpiele", "lvPaarungsinfo"})
            QCOMPARE(main.findChild<QTableWidget*>(name)->rowCount(), 0);
        auto* runde = main.findChild<QComboBox*>("cbSpieltag");
        QCOMPARE(Texte(runde), (QStringList{"1", "2", "3", "4", "5"}));
        QCOMPARE(runde->currentText(), QStringLiteral("1"));

        // F5 reaches the window from whichever control has the focus; an empty tournament shows
        // only the titles of the rankings.
        QTest::keyClick(main.bPaaren, Qt::Key_F5);
        QCOMPARE(main.Grid->rowCount(), 0);
        QCOMPARE(Zeilen(main.GridTeam), (QStringList{"|Teamwertung|||", "||||", "|Armeewertung|||",
                                                     "||||", "|Ortswertung|||"}));

        QStringList menues;
        for (const QAction* a : main.menuBar()->actions())
            menues << a->menu()->objectName() + (a->isVisible() ? "" : " (hidden)");
        QCOMPARE(menues,
                 (QStringList{"Datei", "Verwaltung", "Archiv1 (hidden)", "Drucken", "Hilfe1"}));
        QCOMPARE(Eintraege(main.findChild<QMenu*>("Datei")),
                 (QStringList{"Neu1", "Laden", "Speichern1", "SpeichernUnter1", "-",
                              "Sprachendern1", "-", "Beenden1"}));
        QCOMPARE(Eintraege(main.findChild<QMenu*>("Verwaltung")),
                 (QStringList{"NeuenSpielereingeben1", "SpielerVerndern", "Ergebnisse1", "-",
                              "Paarenkonfigurieren1", "PaarungenTauschen1", "-", "WerteEingeben1",
                              "SpielerlschenNurvorerstemSpiel1", "-", "Spielerimportieren1",
                              "ErgebnisseExportieren1", "-", "TischeVerwalten1", "Siegpunktmatrix1",
                              "-", "ServerVerwalten1"}));
        QCOMPARE(Eintraege(main.findChild<QMenu*>("WerteEingeben1")),
                 (QStringList{"Armeebewertung1", "Bemalung1", "Quizpunkte1", "Fairplay1",
                              "Sonstiges1"}));
        QCOMPARE(Eintraege(main.findChild<QMenu*>("Drucken")),
                 (QStringList{"Tabelle", "Spieltag", "Spielerbersicht1", "HtmlExport1", "extdatei1",
                              "Verwaltungsdrucke1", "Laufzettel1"}));
        QCOMPARE(Eintraege(main.findChild<QMenu*>("extdatei1")),
                 (QStringList{"abelle1", "Spieltag1"}));
        QCOMPARE(Eintraege(main.findChild<QMenu*>("Hilfe1")), (QStringList{"Info1", "Hilfe2"}));
        QCOMPARE(main.findChild<QMenu*>("WerteEingeben1")->title(),
                 QStringLiteral("Werte Eingeben"));
        QCOMPARE(main.findChild<QMenu*>("extdatei1")->title(), QStringLiteral("Textdatei"));
        QCOMPARE(main.findChild<QMenu*>("Archiv1")->actions().size(), 3);

        // All 105 texts of the window are registered, their blanks and umlauts (Windows-1252)
        // kept; the core's texts are registered by the same creation.
        const auto* abschnitt = GetTranslatorList(1);
        QCOMPARE(abschnitt->size(), size_t(105));
        int erwartet = 1;
        for (const auto& text : *abschnitt) {
            QCOMPARE(text.Id, erwartet);
            erwartet = erwartet == 45 ? 51 : erwartet + 1;
        }
        QCOMPARE(GetTranslation(1, 96), std::string(" Paarungen Runde "));
        QCOMPARE(GetTranslation(1, 92), std::string("Sonst. "));
        QCOMPARE(GetTranslation(1, 9), std::string("Sprache \xe4ndern"));
        QCOMPARE(GetTranslation(7, 8), std::string("Halvener Paarungs Programm"));
        QVERIFY(windows.messages.shown.empty());
    }

    void loadsTheLanguageNamedAtStart() {
        ProgramWindows windows;
        windows.WriteSetting("Language", "English\r\n");
        windows.WriteSetting("English.TLF",
                             "1\r\n"
                             "1||1||Paaren||Pair||\r\n"
                             "1||41||Tabelle||Standings||\r\n"
                             "1||43||Name||Player||\r\n"
                             "7||8||Halvener Paarungs Programm||Halven Pairing||\r\n");
        TMain& main = windows.Start();

        QCOMPARE(LanguageName, std::string("English"));
        QVERIFY(!UseOriginal);
        QCOMPARE(main.windowTitle(), QStringLiteral("Halven Pairing"));
        QCOMPARE(main.bPaaren->text(), QStringLiteral("Pair"));
        QCOMPARE(main.PageControl1->tabText(0), QStringLiteral("Standings"));
        QCOMPARE(main.Grid->horizontalHeaderItem(3)->text(), QStringLiteral("Player"));
        QCOMPARE(main.bSpieler->text(), QStringLiteral("Spieler Verändern"));
    }

    void keepsBuiltInTextsWithoutAUsableLanguage() {
        for (const char* wahl : {"Klingonisch\r\n", ""}) {
            ProgramWindows windows;
            windows.WriteSetting("Language", wahl);
            windows.WriteSetting("English.TLF", "1\r\n1||1||Paaren||Pair||\r\n");
            TMain& main = windows.Start();
            QVERIFY(UseOriginal);
            QVERIFY(LanguageName.empty());
            QCOMPARE(main.bPaaren->text(), QStringLiteral("Paaren"));
            QVERIFY(windows.messages.shown.empty());
        }
    }

    void failingLanguageFileKeepsDesignCaptions() {
        ProgramWindows windows;
        windows.WriteSetting("Language", "Kaputt\r\n");
        windows.WriteSetting("Kaputt.TLF", "1\r\n1||1||Paaren||Pair||\r\nx||2||a||b||\r\n");
        TMain& main = windows.Start();

        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
        // The show handler stopped before the captions were set; the first line stays applied.
        QCOMPARE(main.bPaaren->text(), QStringLiteral("Paaren"));
        QCOMPARE(GetTranslation(1, 1), std::string("Pair"));
        QVERIFY(LanguageName.empty());
    }
};

QTEST_MAIN(MainStart)
#include "MainStart.moc"

// The main window after start-up: an empty tournament, hidden sheets, the registered texts and the
// language chosen for the start.
#include "MainFixture.h"
#include "platform/Cp1252.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/QtStandardtexte.h"
#include "qt/Bedienen.h"
#include "translation/Translate.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>

class MainStart : public QObject {
    Q_OBJECT
private slots:
    void startsAnEmptyTournamentWithEveryTextRegistered() {
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

        auto* runde = main.findChild<QComboBox*>("cbSpieltag");
        QCOMPARE(Texte(runde), (QStringList{"1", "2", "3", "4", "5"}));
        QCOMPARE(runde->currentText(), QStringLiteral("1"));
        for (const char* name : {"Grid", "lvSpiele", "lvTeamSpiele", "lvPaarungsinfo"})
            QCOMPARE(main.findChild<QTableWidget*>(name)->rowCount(), 0);

        // The team pairings and the pairing help start hidden, and so does the archive menu.
        auto* seiten = main.findChild<QTabWidget*>("PageControl1");
        QStringList versteckt;
        for (int i = 0; i < seiten->count(); ++i)
            if (!seiten->isTabVisible(i))
                versteckt << seiten->widget(i)->objectName();
        QCOMPARE(versteckt, (QStringList{"tbTeampaarungen", "tsPaarungshilfe"}));
        QCOMPARE(seiten->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
        QVERIFY(!main.findChild<QMenu*>("Archiv1")->menuAction()->isVisible());

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

    // Qt's own buttons and file dialogs, which the program's language files do not reach.
    void qtsStandardTextsAreGermanAndFiltersShowTheirPatternOnce() {
        QVERIFY(LadeQtStandardtexte());
        QMessageBox frage(QMessageBox::NoIcon, "", "", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(frage.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
        QCOMPARE(frage.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
        QFileDialog datei;
        datei.setOption(QFileDialog::DontUseNativeDialog);
        datei.setAcceptMode(QFileDialog::AcceptOpen);
        QCOMPARE(datei.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->text(),
                 QStringLiteral("&Öffnen"));
        QCOMPARE(Element<QLabel>(&datei, "fileNameLabel")->text(), QStringLiteral("Datei&name:"));

        QCOMPARE(QtFilter("Daten(*.dat)|*.dat|Alle|*.*"),
                 QStringLiteral("Daten(*.dat);;Alle (*.*)"));
        QCOMPARE(QtFilter("Textfile|*.txt"), QStringLiteral("Textfile (*.txt)"));
    }
};

QTEST_MAIN(MainStart)
#include "MainStart.moc"

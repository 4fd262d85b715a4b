// The commands of the main window that do their own work: load, save, save under, import, the
// help and information boxes, "Neu", closing, and which commands refresh the views.
#include "MainFixture.h"

#include "core/Paarungen.h"
#include "platform/Cp1252.h"
#include "qt/Bedienen.h"
#include "qt/ModalerDialog.h"

#include <QToolButton>
#include <functional>

namespace {

struct Ansicht {
    std::string dateiname;
    QString titel;
    QStringList tabelle, spiele;
    size_t spieler, paarungen;
    bool operator==(const Ansicht&) const = default;
};

Ansicht Stand(const TMain& main) {
    return {Dateiname,           main.lbTurniername->text(),
            Zeilen(main.Grid),   Zeilen(main.lvSpiele),
            Spielerliste.size(), Paarungsliste.size()};
}

} // namespace

class MainCommands : public QObject {
    Q_OBJECT
private slots:
    void saveAsksForANameOnlyUntilItHasOneAndSaveUnderSwitchesFiles() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        NeuerSpieler(1, "Anna", "Arm", "Orks", "Halven", "Rot", 0);
        auto& anfragen = windows.dialogs.saveRequests;

        windows.dialogs.AnswerNext({});
        QTest::mouseClick(main.ToolButton3, Qt::LeftButton);
        QVERIFY(Dateiname.empty());
        QCOMPARE(anfragen.size(), size_t(1));
        QCOMPARE(anfragen[0].filter, std::string("Daten(*.dat)|*.dat|Alle|*.*"));
        QCOMPARE(anfragen[0].defaultExtension, QStringLiteral("dat"));
        QVERIFY(std::filesystem::is_empty(windows.folder.path()));

        const auto erste = windows.folder / "neu.dat";
        windows.dialogs.AnswerNext(erste);
        main.Speichern1->trigger();
        QCOMPARE(Dateiname, PathText(erste));
        QCOMPARE(ReadBytes(erste), TurnierdateiBytes());
        Spielerliste.front()->Name = "Armbruster";
        main.Speichern1->trigger();
        QCOMPARE(anfragen.size(), size_t(2));
        QCOMPARE(ReadBytes(erste), TurnierdateiBytes());

        // Save under offers the current file; cancelled, it keeps it.
        windows.dialogs.AnswerNext({});
        main.SpeichernUnter1->trigger();
        QCOMPARE(anfragen.back().initialPath, erste);
        QCOMPARE(Dateiname, PathText(erste));
        const auto zweite = windows.folder / "kopie.dat";
        windows.dialogs.AnswerNext(zweite);
        main.SpeichernUnter1->trigger();
        QCOMPARE(Dateiname, PathText(zweite));
        QCOMPARE(ReadBytes(zweite), TurnierdateiBytes());
        Turniername = "Wintertreffen";
        main.Speichern1->trigger();
        QCOMPARE(anfragen.size(), size_t(4));
        QCOMPARE(ReadBytes(zweite), TurnierdateiBytes());
        QVERIFY(ReadBytes(erste) != TurnierdateiBytes());
        QVERIFY(windows.messages.shown.empty());
    }

    void loadPresetsTheCurrentFileAndCancelOrNewChangeNothing() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        QCOMPARE(windows.dialogs.openRequests[0].filter,
                 std::string("Daten(*.dat)|*.dat|Alle|*.*"));
        QVERIFY(windows.dialogs.openRequests[0].initialPath.empty());
        const Ansicht vorher = Stand(main);

        windows.dialogs.AnswerNext({});
        QTest::mouseClick(main.ToolButton2, Qt::LeftButton);
        QCOMPARE(windows.dialogs.openRequests.size(), size_t(2));
        QCOMPARE(windows.dialogs.openRequests[1].initialPath, windows.folder / "turnier.dat");
        QTest::mouseClick(main.ToolButton1, Qt::LeftButton);
        main.Neu1->trigger();
        QVERIFY(Stand(main) == vorher);
        QVERIFY(windows.messages.shown.empty());
    }

    void failedLoadLeavesEverythingAsItWas() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        const Ansicht vorher = Stand(main);
        const std::string bytes = ReadBytes(windows.folder / "turnier.dat");
        WriteBytes(windows.folder / "kaputt.dat", bytes.substr(0, bytes.size() - 40));

        windows.dialogs.AnswerNext(windows.folder / "kaputt.dat");
        main.Laden->trigger();
        windows.dialogs.AnswerNext(windows.folder / "fehlt.dat");
        main.Laden->trigger();

        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(2));
        QVERIFY(windows.messages.shown[0].text.find("kaputt.dat") != std::string::npos);
        QVERIFY(Stand(main) == vorher);
    }

    void importAddsThePlayersAndShowsTheTitle() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        const auto datei = windows.folder / "anmeldung.tvi";
        WriteBytes(datei, "v1.3.3\r\nSommerturnier\r\n4711\r\n2\r\n"
                          "11||Anna||Arm||Ann||Orks||Halven||Rot||3||5||1||z||\r\n"
                          "12||Bert||Berg||||Elfen||||||0||||0||||\r\n");
        windows.dialogs.AnswerNext(datei);
        QStringList gezeigt;
        ModalerDialog pruefen(
            [&gezeigt](QDialog& dlg) { gezeigt = Texte(Element<QListWidget>(&dlg, "lvSpieler")); });
        main.Spielerimportieren1->trigger();

        // The player dialog shows the imported players for checking.
        QCOMPARE(gezeigt, (QStringList{"Anna Arm", "Bert Berg"}));
        QCOMPARE(windows.dialogs.openRequests[0].filter,
                 std::string("Tuvon Import|*.tvi|Alle|*.*"));
        QVERIFY(windows.dialogs.openRequests[0].defaultExtension.isEmpty());
        QCOMPARE(main.lbTurniername->text(), QStringLiteral("Sommerturnier"));
        QCOMPARE(T3TurnierID.str(), std::string("4711"));
        QCOMPARE(Zeilen(main.Grid), (QStringList{"1|1|Anna Arm|0|0|5|5", "2|2|Bert Berg|0|0|0|0"}));
        QVERIFY(windows.messages.shown.empty());

        // A wrong version line is reported by the import itself; the command still refreshes.
        WriteBytes(datei, "v1.3.2\r\nAnderes\r\n1\r\n0\r\n");
        windows.dialogs.AnswerNext(datei);
        ModalerDialog schliessen([](QDialog&) {});
        main.Spielerimportieren1->trigger();
        QVERIFY(schliessen.Gezeigt());
        QCOMPARE(windows.messages.Count(RecordedMessage::Message), size_t(1));
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(0));
        QCOMPARE(Spielerliste.size(), size_t(2));

        // A faulty line ends the import with an error: what it read before stays, the player
        // dialog does not come up and the views wait for the next refresh.
        WriteBytes(datei, "v1.3.3\r\nHerbst\r\n1\r\n2\r\n"
                          "13||Carl||Cord||||Orks||||||0||0||0||||\r\n"
                          "14||Dora||Dahl||||Elfen||||||x||0||0||||\r\n");
        windows.dialogs.AnswerNext(datei);
        ModalerDialog nie([](QDialog&) {});
        main.Spielerimportieren1->trigger();
        QVERIFY(!nie.Gezeigt());
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
        QCOMPARE(Spielerliste.size(), size_t(3));
        QCOMPARE(main.Grid->rowCount(), 2);
        QCOMPARE(main.lbTurniername->text(), QStringLiteral("Sommerturnier"));
    }

    void helpAndInformationBoxes() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        main.Info1->trigger();
        main.Hilfe2->trigger();

        QCOMPARE(windows.messages.shown.size(), size_t(2));
        for (const auto& box : windows.messages.shown) {
            QCOMPARE(box.kind, RecordedMessage::Message);
            QCOMPARE(box.caption, std::string("Halvener Paarungs Programm"));
        }
        QCOMPARE(windows.messages.shown[0].text,
                 Utf8ToCp1252("Dornwalde-Paarungs-Programm\r\n"
                              "Version: 1.5.0.1 Dateiversion: 18\r\n"
                              "Neueste Version: Immer aktuell auf \r\n"
                              "Kontakt: \r\n"
                              "Deutsch, Englisch: \r\n"
                              "Französisch: \r\n"));
        QCOMPARE(
            windows.messages.shown[1].text,
            std::string("Leider gibt es noch keine Hilfe!\r\nVersuch es bei Problemen doch einmal "
                        "mit dem unter Info angegebenen Kontakt!"));
    }

    void closingAsksAndSavesOnlyOnYes() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        windows.messages.AnswerNext(false);
        QVERIFY(main.close());
        QCOMPARE(windows.messages.shown.size(), size_t(1));
        QCOMPARE(windows.messages.shown[0].caption, std::string("Speichern?"));
        QCOMPARE(windows.messages.shown[0].text, std::string("Speichern?"));
        QVERIFY(windows.dialogs.saveRequests.empty());

        // Yes without a file name asks for one; cancelling that still closes.
        main.show();
        windows.messages.AnswerNext(true);
        windows.dialogs.AnswerNext({});
        QVERIFY(main.close());
        QCOMPARE(windows.dialogs.saveRequests.size(), size_t(1));
        QVERIFY(std::filesystem::is_empty(windows.folder.path()));
        QVERIFY(Dateiname.empty());

        // A failed save keeps the window open; the organiser can save elsewhere.
        main.show();
        Dateiname = PathText(windows.folder / "fehlt" / "turnier.dat");
        windows.messages.AnswerNext(true);
        QVERIFY(!main.close());
        QVERIFY(main.isVisible());
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
        windows.dialogs.AnswerNext(windows.folder / "turnier.dat");
        main.SpeichernUnter1->trigger();

        // Yes with a file name saves there without asking for one.
        Turniername = "Umbenannt";
        windows.messages.AnswerNext(true);
        QVERIFY(main.close());
        QCOMPARE(windows.dialogs.saveRequests.size(), size_t(2));
        QCOMPARE(ReadBytes(windows.folder / "turnier.dat"), TurnierdateiBytes());
    }

    void commandsWithADialogRefreshWhateverItsResult() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        Dateiname = PathText(windows.folder / "turnier.dat");
        static const char* const namen[] = {"Arm",  "Berg", "Cord", "Dahl", "Eck",
                                            "Fink", "Gans", "Hahn", "Igel", "Jung",
                                            "Kurz", "Lang", "Mohn", "Nagel"};
        int spieler = 0;
        // One player more than the standings show; a command that refreshes shows him. Every
        // dialog the command shows is cancelled.
        const auto zeigtNeuenSpieler = [&](const std::function<void()>& befehl) {
            ++spieler;
            NeuerSpieler(spieler, "Vn", namen[spieler - 1], "Orks", "Halven", "Rot", 0);
            ModalerDialog abbrechen([](QDialog& dlg) { dlg.reject(); });
            befehl();
            return main.Grid->rowCount() == spieler;
        };
        // The pairing command pairs the round shown in the selector.
        main.cbSpieltag->setCurrentIndex(2);
        QCOMPARE(AktuellerSpieltag, 1);
        QVERIFY(zeigtNeuenSpieler([&] { main.bPaaren->click(); }));
        QCOMPARE(AktuellerSpieltag, 3);
        QVERIFY(zeigtNeuenSpieler([&] { main.bSpieler->click(); }));
        QVERIFY(zeigtNeuenSpieler([&] { main.bErgebnis->click(); }));
        QVERIFY(zeigtNeuenSpieler([&] { main.Paarenkonfigurieren1->trigger(); }));
        QVERIFY(zeigtNeuenSpieler([&] { main.NeuenSpielereingeben1->trigger(); }));
        QVERIFY(zeigtNeuenSpieler([&] { main.TischeVerwalten1->trigger(); }));

        QVERIFY(!zeigtNeuenSpieler([&] { main.Neu1->trigger(); }));
        QVERIFY(!zeigtNeuenSpieler([&] { main.Speichern1->trigger(); }));
        windows.dialogs.AnswerNext({});
        QVERIFY(!zeigtNeuenSpieler([&] { main.SpeichernUnter1->trigger(); }));
        QVERIFY(!zeigtNeuenSpieler([&] { main.ServerVerwalten1->trigger(); }));
        QVERIFY(!zeigtNeuenSpieler([&] { main.Siegpunktmatrix1->trigger(); }));
        QVERIFY(!zeigtNeuenSpieler([&] { main.Info1->trigger(); }));
        windows.dialogs.AnswerNext({});
        QVERIFY(!zeigtNeuenSpieler([&] { main.Laden->trigger(); }));
        windows.dialogs.AnswerNext({});
        QVERIFY(!zeigtNeuenSpieler([&] { main.Spielerimportieren1->trigger(); }));
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(0));
    }
};

QTEST_MAIN(MainCommands)
#include "MainCommands.moc"

// The text, HTML and "T3" export commands from the main window: the save dialogs with their
// remembered names, the files written for the selected round, and failures that keep old files.
#include "MainFixture.h"

#include "platform/Uhr.h"

#include <QComboBox>

namespace {

std::string Datei(const std::vector<std::string>& zeilen) {
    std::string bytes;
    for (const auto& z : zeilen)
        bytes += z + "\r\n";
    return bytes;
}

} // namespace

class MainExporte : public QObject {
    Q_OBJECT
private slots:
    void textExportsWriteOnlyWhenConfirmedAndTheirNamesComeBack() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        const auto datei = windows.folder / "runde.txt";
        auto& anfragen = windows.dialogs.saveRequests;

        windows.dialogs.AnswerNext({});
        main.Spieltag1->trigger();
        QVERIFY(!std::filesystem::exists(datei));
        windows.dialogs.AnswerNext(datei);
        main.Spieltag1->trigger();
        QCOMPARE(anfragen.size(), size_t(2));
        QCOMPARE(anfragen[1].filter, std::string("Textfile|*.txt"));
        QCOMPARE(anfragen[1].defaultExtension, QStringLiteral("txt"));
        QCOMPARE(ReadBytes(datei), Datei({" 1.:( 1)\tBert Berg - Emil Eck\t : 20-0\t (1500-0)",
                                          " 2.:( 2)\tAnna Arm - Carl Cord\t : 5-15\t (700-1300)",
                                          " 3.:\tDora Dahl - Dora Dahl\t : 0-0\t (0-0)",
                                          " 4.:\tFritz Fink - Fritz Fink\t : 0-0\t (0-0)"}));

        windows.dialogs.AnswerNext({});
        main.Spieltag1->trigger();
        QCOMPARE(anfragen[2].initialPath, datei);

        // The standings exports share their dialog and score the round selected.
        const auto html = windows.folder / "tabelle.htm";
        const auto text = windows.folder / "tabelle.txt";
        anfragen.clear();
        main.cbSpieltag->setCurrentIndex(0);

        windows.dialogs.AnswerNext(html);
        main.HtmlExport1->trigger();
        // The text export has no name of its own yet: the dialog offers the one it last held.
        windows.dialogs.AnswerNext(text);
        main.abelle1->trigger();
        windows.dialogs.AnswerNext({});
        main.HtmlExport1->trigger();
        windows.dialogs.AnswerNext({});
        main.abelle1->trigger();
        QCOMPARE(anfragen.size(), size_t(4));
        QVERIFY(anfragen[0].initialPath.empty());
        QCOMPARE(anfragen[1].initialPath, html);
        QCOMPARE(anfragen[2].initialPath, html);
        QCOMPARE(anfragen[3].initialPath, text);

        QCOMPARE(ReadBytes(text), Datei({"Name            \tPunkte \tArmee \tGesamt \tDifferenz ",
                                         "1. Anna Arm    \t15 \t0 \t15    \t400", "Orks",
                                         "2. Carl Cord   \t12 \t0 \t12    \t100", "Orks",
                                         "3. Dora Dahl   \t8 \t0 \t8    \t-100", "Zwerge",
                                         "4. Bert Berg   \t5 \t0 \t5    \t-400", "Elfen",
                                         "5. Fritz Fink  \t0 \t0 \t0    \t100", "Goblins",
                                         "6. Emil Eck    \t0 \t0 \t0    \t-100", "Elfen"}));
        // The page is scored for the selected round too.
        QVERIFY(ReadBytes(html).find("<tr>\r\n<td>1. Anna Arm </td>\r\n<td>15</td>\r\n") !=
                std::string::npos);
        QVERIFY(windows.messages.shown.empty());
    }

    void t3ExportWritesTheDatedFileAndARefusalKeepsTheOldOne() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        const auto datei = windows.folder / "ergebnis.tve";
        auto& anfragen = windows.dialogs.saveRequests;
        SetzeHeute(TDatum{7, 12, 2026});

        windows.dialogs.AnswerNext({});
        main.ErgebnisseExportieren1->trigger();
        QVERIFY(!std::filesystem::exists(datei));
        QCOMPARE(anfragen[0].filter, std::string("Tuvon Export|*.tve|Alle|*.*"));
        QCOMPARE(anfragen[0].defaultExtension, QStringLiteral("tve"));
        windows.dialogs.AnswerNext(datei);
        main.ErgebnisseExportieren1->trigger();
        QCOMPARE(
            ReadBytes(datei),
            Datei({"#Tuvon-Exportdatei, v1.3.3 Export vom 07.12.2026||x", "#TID-0||x",
                   "0||Carl||Cord||||Orks||Halven||Rot||1||27||27||700||0||0||0||0||0||x",
                   "0||Bert||Berg||||Elfen||Dornwalde||Blau||2||25||25||1100||0||0||0||0||0||x",
                   "0||Anna||Arm||||Orks||Halven||Rot||3||20||20||-200||0||0||0||0||0||x",
                   "0||Dora||Dahl||||Zwerge||||||4||8||8||-100||0||0||0||0||0||x",
                   "0||Fritz||Fink||||Goblins||||||5||0||0||100||0||0||0||0||0||x",
                   "0||Emil||Eck||||Elfen||||Blau||6||0||0||-1600||0||0||0||0||0||x"}));
        QVERIFY(windows.messages.shown.empty());

        // A value holding the separator: the box naming the player, and the old file.
        WriteBytes(datei, "alt");
        FindeSpieler(2)->Armee = "Elfen||Orks";
        windows.dialogs.AnswerNext({});
        main.ErgebnisseExportieren1->trigger();
        QCOMPARE(anfragen.back().initialPath, datei);
        windows.dialogs.AnswerNext(datei);
        main.ErgebnisseExportieren1->trigger();
        const auto fehler = windows.messages.Texts(RecordedMessage::Error);
        QCOMPARE(fehler.size(), size_t(1));
        QVERIFY(fehler[0].find("Bert Berg") != std::string::npos);
        QCOMPARE(ReadBytes(datei), std::string("alt"));
    }
};

QTEST_MAIN(MainExporte)
#include "MainExporte.moc"

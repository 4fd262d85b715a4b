// The print commands of the main window: each opens its report's preview (the standings asking
// in a team tournament whether to print the members), the standings preview saves as HTML and
// CSV, and the run sheets go through their options dialog.
#include "MainFixture.h"

#include "core/Laufzettel.h"
#include "qt/Bedienen.h"
#include "qt/Berichtslesen.h"
#include "qt/ModalerDialog.h"
#include "reports/Tabellenbericht.h"

#include <QCheckBox>

class MainDruckTest : public QObject {
    Q_OBJECT
private slots:
    void printCommandsOpenTheirPreviews() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        auto& vorschau = windows.vorschauen;
        const QStringList titel{
            "Herbstturnier Tabelle Spieltag 2", "Herbstturnier Tabelle Spieltag 2",
            "Herbstturnier Paarungen Runde 2", "Herbstturnier Paarungen Runde 2"};
        int i = 0;
        for (QAction* befehl : {main.Tabelle, main.Tabelle2, main.Spieltag, main.Spieltag2}) {
            befehl->trigger();
            QCOMPARE(vorschau.gezeigt, i + 1);
            QCOMPARE(vorschau.titel, titel[i++]);
        }
        QCOMPARE(Detailzeilen(vorschau.seiten).size(), 2);
        QCOMPARE(windows.messages.shown.size(), size_t(0));

        // A team tournament asks first, and remembers the answer for the report.
        Teamturnier = true;
        for (bool ja : {true, false}) {
            windows.messages.AnswerNext(ja);
            main.Tabelle2->trigger();
            QCOMPARE(TabelleKomplett, ja);
            QCOMPARE(windows.messages.shown.back().caption, std::string("Komplett?"));
        }
    }

    void theStandingsPreviewSavesAsHtmlAndCsv() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        const auto ordner = windows.folder.path();
        for (const char* datei : {"t.html", "t.csv"})
            windows.dialogs.AnswerNext(ordner / datei);
        windows.vorschauen.schritt = [](TBerichtVorschau& v) {
            for (const char* aktion : {"aFormat0", "aFormat2"})
                v.findChild<QAction*>(aktion)->trigger();
        };
        main.Tabelle->trigger();
        const std::string html = ReadBytes(ordner / "t.html");
        QVERIFY(html.find("<h1>Herbstturnier Tabelle Spieltag 2</h1>") != std::string::npos);
        QVERIFY(html.find("<td>Bert Berg</td>") != std::string::npos);
        QCOMPARE(QString::fromStdString(ReadBytes(ordner / "t.csv")).section("\r\n", 0, 1),
                 QString("Platz,Name,Punkte,Armee,Gesamt,Differenz\r\n1.,Carl Cord,27,0,27,700"));
    }

    void runSheetsAskForTheirOptions() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        auto& vorschau = windows.vorschauen;

        // Cancel keeps the flags and prints nothing.
        ModalerDialog abbrechen([](QDialog& dlg) {
            QCOMPARE(dlg.windowTitle(), QString("Laufzettel drucken"));
            QVERIFY(Element<QCheckBox>(&dlg, "cbZweiproPaar")->isChecked());
            Element<QCheckBox>(&dlg, "cbZweiproPaar")->setChecked(false);
            Element<QCheckBox>(&dlg, "cbSzenario")->setChecked(true);
            Klick(&dlg, "CancelBtn");
        });
        main.Laufzettel1->trigger();
        QVERIFY(abbrechen.Gezeigt());
        QCOMPARE(vorschau.gezeigt, 0);
        QVERIFY(LaufzettelZweiProPaarung && !LaufzettelSzenario);
        QCOMPARE(Paare(), QStringList({"2-5", "1-3"})); // built for the round, sorted by table

        // A list that holds games is only sorted again, not rebuilt.
        std::swap(Paarungsliste[0], Paarungsliste[1]);
        const TPaarung* erste = Paarungsliste[1].get();
        ModalerDialog drucken([](QDialog& dlg) {
            Element<QCheckBox>(&dlg, "cbZweiproPaar")->setChecked(false);
            Element<QCheckBox>(&dlg, "cbSpielernummern")->setChecked(false);
            Klick(&dlg, "OKBtn");
        });
        main.Laufzettel1->trigger();
        QVERIFY(drucken.Gezeigt());
        QCOMPARE(Paarungsliste[0].get(), erste);
        QVERIFY(!LaufzettelZweiProPaarung && !LaufzettelSpielernummern);
        QCOMPARE(vorschau.titel, QString("Laufzettel"));
        QCOMPARE(Detailzeilen(vorschau.seiten),
                 QStringList({"Tisch Nr.1|Bert Berg gegen Emil Eck|Punkte : _______ zu ______",
                              "Tisch Nr.2|Anna Arm gegen Carl Cord|Punkte : _______ zu ______"}));
    }
};

QTEST_MAIN(MainDruckTest)
#include "MainDruckTest.moc"

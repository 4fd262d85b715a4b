// The views of the main window filled from a tournament loaded through the load command, the
// round selector, F5 and the column click of the standings.
#include "MainFixture.h"

#include "core/Paarungen.h"
#include "core/Teamturnier.h"
#include "core/Wertung.h"
#include "mainwindow/Zahlformat.h"
#include "platform/Guarded.h"
#include "qt/Bedienen.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QTabWidget>

namespace {

const QStringList TabelleRunde2{"1|1|Carl Cord|27|700|0|27", "2|2|Bert Berg|25|1100|0|25",
                                "3|3|Anna Arm|20|-200|0|20", "4|4|Dora Dahl|8|-100|0|8"};

bool SeiteSichtbar(const TMain& main, QWidget* seite) {
    return main.PageControl1->isTabVisible(main.PageControl1->indexOf(seite));
}

} // namespace

class MainViews : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void loadedTournamentFillsEveryView() {
        ProgramWindows windows;
        SchreibeTurnier(windows.folder / "turnier.dat");
        TMain& main = windows.Start();
        // Pairings of whatever was open before the load must not survive it.
        auto alt = std::make_unique<TPaarung>();
        alt->Nummer1 = 7;
        alt->Nummer2 = 8;
        Paarungsliste.push_back(std::move(alt));

        windows.dialogs.AnswerNext(windows.folder / "turnier.dat");
        main.Laden->trigger();

        QVERIFY(windows.messages.shown.empty());
        QCOMPARE(Dateiname, PathText(windows.folder / "turnier.dat"));
        QCOMPARE(main.lbTurniername->text(), QStringLiteral("Herbstturnier"));
        QCOMPARE(main.cbSpieltag->count(), 3);
        QCOMPARE(main.cbSpieltag->currentText(), QStringLiteral("2"));
        QCOMPARE(AktuellerSpieltag, 2);

        QCOMPARE(Koepfe(main.Grid), (QStringList{"", "", "Platz", "Name", "Punkte", "Differenz",
                                                 "Armeebewertung", "Gesamt"}));
        QCOMPARE(Zeilen(main.Grid), TabelleRunde2);
        QCOMPARE(main.Grid->columnWidth(1), 1);
        // The game of a deleted and an active player is listed; byes are not.
        QCOMPARE(Zeilen(main.lvSpiele), (QStringList{"1|1|Bert Berg|Emil Eck|20:0|1500:0",
                                                     "2|2|Anna Arm|Carl Cord|5:15|700:1300"}));
        QCOMPARE(Zeilen(main.GridTeam),
                 (QStringList{"|Teamwertung|||", "1|Rot|2|23.50|23.50", "2|Blau|2|12.50|12.50",
                              "3|Neutral|2|4.00|4.00", "||||", "|Armeewertung|||",
                              "1|Orks|2|23.50|23.50", "2|Elfen|2|12.50|12.50",
                              "3|Zwerge|1|8.00|8.00", "4|Goblins|1|0.00|0.00", "||||",
                              "|Ortswertung|||", "1|Dornwalde|1|25.00|25.00",
                              "2|Halven|2|23.50|23.50", "3|Neutral|3|2.67|2.67"}));
        QVERIFY(SeiteSichtbar(main, main.tsPaarungshilfe));
        QVERIFY(!SeiteSichtbar(main, main.tbTeampaarungen));
        QCOMPARE(
            Zeilen(main.lvPaarungsinfo),
            (QStringList{
                "1|1|Carl Cord|27|Orks|Halven|Rot", "2|2|Bert Berg|25|Elfen|Dornwalde|Blau",
                "3|3|Anna Arm|20|Orks|Halven|Rot", "4|4|Dora Dahl|8|Zwerge|Neutral|Neutral",
                "5|5|Fritz Fink|0|Goblins|Neutral|Neutral", "6|6|Emil Eck|0|Elfen|Neutral|Blau"}));

        // The pairings of the loaded round, best placed first.
        QCOMPARE(Paare(), (QStringList{"1-3", "2-5"}));
        QVERIFY(Teampaarungsliste.empty());
    }

    void groupsAddTheirColumnOnceAndGoAgain() {
        ProgramWindows windows;
        TMain& main = Geladen(windows, true);
        DrueckeF5(main.Grid);

        QCOMPARE(Koepfe(main.Grid), (QStringList{"", "", "Platz", "Name", "Punkte", "Differenz",
                                                 "Gruppe", "Armeebewertung", "Gesamt"}));
        QCOMPARE(Zeilen(main.Grid).first(), QStringLiteral("1|1|Carl Cord|27|700|2|0|27"));
        QCOMPARE(Koepfe(main.lvSpiele).last(), QStringLiteral("Gruppe"));
        QCOMPARE(Zeilen(main.lvSpiele), (QStringList{"1|1|Bert Berg|Emil Eck|20:0|1500:0|1",
                                                     "2|2|Anna Arm|Carl Cord|5:15|700:1300|1"}));
        // The pairing help lists the players in the group order the games left, places unchanged.
        QStringList reihenfolge;
        for (const QString& zeile : Zeilen(main.lvPaarungsinfo))
            reihenfolge << zeile.section('|', 0, 2);
        QCOMPARE(reihenfolge, (QStringList{"1|2|Bert Berg", "2|3|Anna Arm", "3|6|Emil Eck",
                                           "4|1|Carl Cord", "5|4|Dora Dahl", "6|5|Fritz Fink"}));

        GruppenBeachten = false;
        // A control that takes F5 for itself does not keep it from the window.
        struct F5Nehmer : QObject {
            bool eventFilter(QObject*, QEvent* e) override {
                return e->type() == QEvent::KeyPress &&
                       static_cast<QKeyEvent*>(e)->key() == Qt::Key_F5;
            }
        } nehmer;
        main.lvSpiele->installEventFilter(&nehmer);
        DrueckeF5(main.lvSpiele);
        QCOMPARE(Koepfe(main.Grid).size(), 8);
        QVERIFY(!Koepfe(main.Grid).contains("Gruppe"));
        QCOMPARE(main.lvSpiele->columnCount(), 7);
    }

    void columnClickSortsUntilTheNextRefresh() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        QHeaderView* kopf = main.Grid->horizontalHeader();
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {},
                          QPoint(kopf->sectionViewportPosition(3) + 5, kopf->height() / 2));

        QCOMPARE(Zeilen(main.Grid),
                 (QStringList{"1|3|Anna Arm|20|-200|0|20", "2|2|Bert Berg|25|1100|0|25",
                              "3|1|Carl Cord|27|700|0|27", "4|4|Dora Dahl|8|-100|0|8"}));
        QCOMPARE(main.Grid->columnWidth(1), 40);
        QCOMPARE(SortierSpalte, 2);
        // Only the standings are rebuilt by the click.
        QCOMPARE(Zeilen(main.lvSpiele).size(), 2);

        DrueckeF5(main.cbSpieltag);
        QCOMPARE(Zeilen(main.Grid), TabelleRunde2);
        QCOMPARE(main.Grid->columnWidth(1), 1);
        QCOMPARE(main.cbSpieltag->currentText(), QStringLiteral("2"));

        // A column past the shown ones falls back to the standings order with the narrow column.
        emit kopf->sectionClicked(9);
        QCOMPARE(Zeilen(main.Grid), TabelleRunde2);
        QCOMPARE(main.Grid->columnWidth(1), 1);
    }

    void choosingARoundShowsItAndMakesItCurrent() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        QTest::keyClick(main.cbSpieltag, Qt::Key_Up);

        QCOMPARE(main.cbSpieltag->currentText(), QStringLiteral("1"));
        QCOMPARE(AktuellerSpieltag, 1);
        QCOMPARE(Zeilen(main.Grid),
                 (QStringList{"1|1|Anna Arm|15|400|0|15", "2|2|Carl Cord|12|100|0|12",
                              "3|3|Dora Dahl|8|-100|0|8", "4|4|Bert Berg|5|-400|0|5"}));
        // The game of two deleted players is not listed.
        QCOMPARE(Zeilen(main.lvSpiele), (QStringList{"1|1|Anna Arm|Bert Berg|15:5|1200:800",
                                                     "2|2|Carl Cord|Dora Dahl|12:8|1000:900"}));
        QCOMPARE(Paare(), (QStringList{"1-2", "3-4"}));

        // A round without results shows no games; its standings count rounds 1 to 3.
        QTest::keyClick(main.cbSpieltag, Qt::Key_Down);
        QTest::keyClick(main.cbSpieltag, Qt::Key_Down);
        QCOMPARE(AktuellerSpieltag, 3);
        QCOMPARE(main.lvSpiele->rowCount(), 0);
        QCOMPARE(Zeilen(main.Grid), TabelleRunde2);
        QVERIFY(Paarungsliste.empty());
    }

    void loweringTheNumberOfRoundsMovesTheSelection() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);

        RundenAnzahl = 1;
        main.SpieltagAuswahlErneuern();
        QCOMPARE(main.cbSpieltag->count(), 1);
        QCOMPARE(main.cbSpieltag->currentText(), QStringLiteral("1"));
        QCOMPARE(AktuellerSpieltag, 1);
        QCOMPARE(Zeilen(main.lvSpiele).first(),
                 QStringLiteral("1|1|Anna Arm|Bert Berg|15:5|1200:800"));
        QCOMPARE(Paare(), (QStringList{"1-2", "3-4"}));

        RundenAnzahl = 4;
        main.SpieltagAuswahlErneuern();
        QCOMPARE(main.cbSpieltag->count(), 4);
        QCOMPARE(main.cbSpieltag->currentText(), QStringLiteral("1"));
        QCOMPARE(AktuellerSpieltag, 1);

        // No rounds at all leave nothing to select: the round cannot be read, which is reported,
        // and the current round stays.
        RundenAnzahl = 0;
        QVERIFY(!Guarded([&main] { main.SpieltagAuswahlErneuern(); }));
        QCOMPARE(main.cbSpieltag->count(), 0);
        QCOMPARE(AktuellerSpieltag, 1);
        DrueckeF5(main.Grid);
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(2));
    }

    void teamTournamentShowsTeamPairings() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        NeuerSpieler(1, "Anna", "Arm", "Orks", "Halven", "Rot", 0).TeamNr = 1;
        NeuerSpieler(2, "Bert", "Berg", "Elfen", "Halven", "Rot", 0).TeamNr = 2;
        NeuerSpieler(3, "Carl", "Cord", "Orks", "Dornwalde", "Blau", 0).TeamNr = 1;
        NeuerSpieler(4, "Dora", "Dahl", "Zwerge", "Dornwalde", "Blau", 0).TeamNr = 2;
        Spiel(1, 1, 3, 4, 15, 5, 1000, 500);
        Spiel(1, 2, 4, 4, 10, 10, 700, 700);
        Teamturnier = true;
        DrueckeF5(main.Grid);

        QVERIFY(SeiteSichtbar(main, main.tbTeampaarungen));
        QCOMPARE(
            Zeilen(main.lvTeamSpiele),
            (QStringList{"1|4|Rot|Blau|25:15|1700:1200", " | |Anna Arm|Carl Cord|15:5|1000:500",
                         " | |Bert Berg|Dora Dahl|10:10|700:700", "|||||"}));
        // In a team tournament the team ranking shows sums.
        QCOMPARE(Zeilen(main.GridTeam).mid(1, 2),
                 (QStringList{"1|Rot|2|25.00|25.00", "2|Blau|2|15.00|15.00"}));

        Teamturnier = false;
        DrueckeF5(main.Grid);
        QVERIFY(!SeiteSichtbar(main, main.tbTeampaarungen));
    }

    void fractionsUseTheDecimalSeparatorOfTheSettings() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        FaktorTurnier = 1.5;
        DrueckeF5(main.Grid);
        // Carl Cord: 27 points at 150 percent.
        QCOMPARE(Zeilen(main.Grid).first(), QStringLiteral("1|1|Carl Cord|27|700|0|40,5"));
        QCOMPARE(Zeilen(main.lvPaarungsinfo).first(),
                 QStringLiteral("1|1|Carl Cord|40,5|Orks|Halven|Rot"));
        QVERIFY(Zeilen(main.GridTeam).contains(QStringLiteral("1|Rot|2|35,00|23,50")));
    }

    void generalNumberFormat() {
        QCOMPARE(ZahlAllgemein(0.0, ','), std::string("0"));
        QCOMPARE(ZahlAllgemein(25.0, ','), std::string("25"));
        QCOMPARE(ZahlAllgemein(-12.5, ','), std::string("-12,5"));
        QCOMPARE(ZahlAllgemein(0.1 + 0.2, '.'), std::string("0.3"));
        QCOMPARE(ZahlAllgemein(1.0 / 3.0, '.'), std::string("0.333333333333333"));
        QCOMPARE(ZahlAllgemein(123456789012345.0, '.'), std::string("123456789012345"));
        QCOMPARE(ZahlAllgemein(1e15, '.'), std::string("1E15"));
        QCOMPARE(ZahlAllgemein(0.00001, '.'), std::string("0.00001"));
        QCOMPARE(ZahlAllgemein(0.0000015, ','), std::string("1,5E-6"));
        QCOMPARE(ZahlZweiStellen(2.675, ','), std::string("2,67"));
        QCOMPARE(ZahlZweiStellen(-0.001, '.'), std::string("0.00"));
        QCOMPARE(ZahlZweiStellen(1234567.5, '.'), std::string("1234567.50"));
    }
};

QTEST_MAIN(MainViews)
#include "MainViews.moc"

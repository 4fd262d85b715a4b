// A tournament run from the windows: import, pair, enter results, next round, options, save and
// load, through the main window's commands and the dialogs they show.
#include "core/Data.h"
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"
#include "mainwindow/FMain.h"
#include "qt/Bedienen.h"
#include "qt/ProgramWindows.h"

#include <QAction>
#include <QApplication>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// Runs the step on the modal dialog the next command shows, once it shows.
void ImDialog(const char* name, std::function<void(QWidget*)> schritt) {
    QTimer::singleShot(0, [name, schritt = std::move(schritt)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != name)
            qFatal("expected the modal dialog %s", name);
        schritt(dialog);
    });
}

// A modal dialog that the next command may show on the side is closed unseen.
void WegklickenFallsModal() {
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            QMetaObject::invokeMethod(dialog, "reject");
    });
}

// Enters the victory points of the game of a start number; the matrix gives the points.
void Ergebnis(QWidget* dialog, const char* nummer, const char* sieg1, const char* sieg2) {
    Tippe(Element<QLineEdit>(dialog, "ESpielerNr"), nummer);
    Tippe(Element<QLineEdit>(dialog, "ESPkt1"), sieg1);
    Tippe(Element<QLineEdit>(dialog, "ESpkt2"), sieg2);
}

int Gegner(int nummer, int runde) {
    return FindeSpieler(nummer)->GetGegner(runde);
}

} // namespace

class MainRundeTest : public QObject {
    Q_OBJECT
private slots:
    void aTournamentRunsFromTheWindows() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        const auto importDatei = windows.folder / "spieler.tvi";
        WriteBytes(importDatei, "v1.3.3\r\nWintercup\r\nW-1\r\n4\r\n"
                                "11||Anna||Arm||||Orks||Halven||Rot||0||40||1||z||\r\n"
                                "12||Bert||Berg||||Elfen||Dornwalde||Blau||0||30||1||z||\r\n"
                                "13||Carl||Cord||||Zwerge||Essen||Gelb||0||20||1||z||\r\n"
                                "14||Dora||Dahl||||Goblins||Bonn||Gruen||0||10||1||z||\r\n");
        windows.dialogs.AnswerNext(importDatei);
        WegklickenFallsModal();
        main.Spielerimportieren1->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(Spielerliste.size(), size_t(4));

        // The options: the matrix turns victory points into points.
        ImDialog("DlgOptionen", [](QWidget* d) {
            Element<QCheckBox>(d, "bSiegpunktmatrix")->setChecked(true);
            Klick(d, "OK");
        });
        main.Paarenkonfigurieren1->trigger();

        // Round 1 by army rating: Anna-Bert, Carl-Dora.
        ImDialog("DlgPaaren", [](QWidget* d) { Klick(d, "OKBtn"); });
        QTest::mouseClick(main.bPaaren, Qt::LeftButton);
        QCOMPARE(Gegner(1, 1), 2);
        QCOMPARE(Gegner(3, 1), 4);
        QCOMPARE(main.lvSpiele->rowCount(), 2);

        ImDialog("DlgErgebnisse", [](QWidget* d) {
            Ergebnis(d, "1", "100", "1800"); // Bert wins 16:0
            Ergebnis(d, "3", "1000", "700"); // Carl wins 9:7
            Klick(d, "OKBtn");
        });
        QTest::mouseClick(main.bErgebnis, Qt::LeftButton);
        QCOMPARE(FindeSpieler(2)->GetPunkte(1), 16);
        QCOMPARE(FindeSpieler(1)->GetPunkte(1), 0);
        QCOMPARE(FindeSpieler(3)->GetPunkte(1), 9);
        QCOMPARE(FindeSpieler(4)->GetSiegpunkte(1), 700);
        QVERIFY(windows.messages.Count(RecordedMessage::Error) == 0);

        // Round 2: the standings count round 1 and nobody meets an opponent again.
        main.cbSpieltag->setCurrentIndex(1);
        emit main.cbSpieltag->activated(1);
        QCOMPARE(AktuellerSpieltag, 2);
        ImDialog("DlgPaaren", [](QWidget* d) { Klick(d, "OKBtn"); });
        QTest::mouseClick(main.bPaaren, Qt::LeftButton);
        QCOMPARE(Gegner(2, 2), 3);
        QCOMPARE(Gegner(1, 2), 4);

        ImDialog("DlgErgebnisse", [](QWidget* d) {
            Ergebnis(d, "2", "500", "500");
            Klick(d, "OKBtn");
        });
        main.Ergebnisse1->trigger();
        QCOMPARE(FindeSpieler(3)->GetPunkte(2), 8); // a tie: the default matrix gives 8:8

        const auto turnier = windows.folder / "wintercup.dat";
        windows.dialogs.AnswerNext(turnier);
        QTest::mouseClick(main.ToolButton3, Qt::LeftButton);
        QVERIFY(std::filesystem::exists(turnier));

        Spielerliste.clear();
        windows.dialogs.AnswerNext(turnier);
        main.Laden->trigger();
        QCOMPARE(Spielerliste.size(), size_t(4));
        QCOMPARE(AktuellerSpieltag, 2);
        QCOMPARE(FindeSpieler(2)->GetPunkte(1), 16);
        QCOMPARE(FindeSpieler(2)->GetSiegpunkte(2), 500);
        QCOMPARE(Gegner(1, 2), 4);
        QVERIFY(SiegpunktmatrixBenutzen);
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(0));
    }

    void aDamagedConfigAtStartupIsShownAndStartupGoesOn() {
        const std::string felder = "FALSE\r\n1\r\nTRUE\r\n0\r\nTRUE\r\n0\r\nTRUE\r\n3\r\n0\r\n"
                                   "TRUE\r\n0\r\nTRUE\r\nTRUE\r\nTRUE\r\nFALSE\r\nFALSE\r\n"
                                   "FALSE\r\nFALSE\r\nFALSE\r\nTRUE\r\n";
        ProgramWindows windows;
        windows.WriteSetting("Config.dat", "2\r\n" + felder + "eins\r\nNeutral\r\n");
        TMain& main = windows.Start();
        QVERIFY(main.isVisible());
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
        // The option state stays as the main window's creation left it.
        QVERIFY(GleicheArmeenBeachten && !SzenarioWerten && DruckMitSpielernummer);
        QCOMPARE(MalGegenSelbeArmee, 2);
        // The windows after the options dialog were still created.
        ImDialog("DlgPaaren", [](QWidget* d) { Klick(d, "CancelBtn"); });
        QTest::mouseClick(main.bPaaren, Qt::LeftButton);
    }
};

QTEST_MAIN(MainRundeTest)
#include "MainRundeTest.moc"

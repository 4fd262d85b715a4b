#include "Spielerbau.h"
#include "core/Data.h"
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"
#include "dialogs/DErgebnisse.h"
#include "qt/DialogTest.h"
#include "server/ErgebnisServer.h"

#include <tuple>

namespace {

TPaarung* PaarungVon(int nummer) {
    return FindePaarungVonSpieler(nummer);
}

// Three games of round 2: Zoe-Yann, Anna-Bert (already entered earlier), Carl-Dora.
void DreiSpiele() {
    AktuellerSpieltag = 2;
    SpielerAnlegen(1, "Zoe", "Zander");
    SpielerAnlegen(2, "Yann", "Yilmaz");
    SpielerAnlegen(3, "Anna", "Arndt");
    SpielerAnlegen(4, "Bert", "Brandt");
    SpielerAnlegen(5, "Carl", "Claus");
    SpielerAnlegen(6, "Dora", "Dorn");
    for (int tisch = 1; tisch <= 3; ++tisch)
        SpielPaaren(2, 2 * tisch - 1, 2 * tisch, tisch);
    FindeSpieler(3)->SetPunkte(2, 12);
    FindeSpieler(4)->SetPunkte(2, 4);
    FindeSpieler(3)->SetSiegpunkte(2, 900);
    FindeSpieler(4)->SetSiegpunkte(2, 100);
    ErstellePaarungsliste();
    PaarungVon(3)->Eingegeben = true;
}

} // namespace

class ErgebnisDialogTest : public QObject, DialogTest<TDlgErgebnisse> {
    Q_OBJECT

    QListWidget* Liste() { return W<QListWidget>("lbErgebnisse"); }
    void WaehleZeile(int zeile) {
        QListWidget* box = Liste();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          box->visualItemRect(box->item(zeile)).center());
    }

private slots:
    void init() {
        Neu();
        Erzeugen();
        DreiSpiele();
    }
    void cleanup() { Abbauen(); }

    void showsEveryPairingSortedByItsLine() {
        dlg_->show();
        QCOMPARE(dlg_->windowTitle(), QString("Ergebnisse des 2. Spiels"));
        QCOMPARE(Texte(Liste()), QStringList({"Anna Arndt - Bert Brandt : 12:4 (900:100)",
                                              "Carl Claus - Dora Dorn : 0:0 (0:0)",
                                              "Zoe Zander - Yann Yilmaz : 0:0 (0:0)"}));
        QCOMPARE(Liste()->currentRow(), 0);
        QCOMPARE(W<QLabel>("lbSpieler1")->text(), QString("Anna Arndt(3)"));
        QCOMPARE(W<QLabel>("lbSpieler2")->text(), QString("Bert Brandt(4)"));
        QCOMPARE(W<QLineEdit>("EPkt1")->text(), QString("12"));
        QCOMPARE(W<QLineEdit>("ESpkt2")->text(), QString("100"));
        QCOMPARE(W<QLabel>("Label3")->text(), QString("Siegpunkte"));
        QTest::keyClick(Liste(), Qt::Key_End);
        QCOMPARE(W<QLabel>("lbSpieler1")->text(), QString("Zoe Zander(1)"));
        QTest::keyClick(Liste(), Qt::Key_Home);
        QCOMPARE(W<QPushButton>("btnAusblenden")->text(),
                 QString("Bereits eingegebene Spiele ausblenden"));

        // Tab order: search, victory points, points, fair play, scenario, side 1 before 2.
        QWidget* w = W<QLineEdit>("ESpielerNr");
        QStringList folge;
        for (int i = 0; i < 9; ++i) {
            folge << w->objectName();
            w = w->nextInFocusChain();
            while (w->focusPolicy() != Qt::StrongFocus && w->focusPolicy() != Qt::TabFocus &&
                   w != W<QLineEdit>("ESpielerNr"))
                w = w->nextInFocusChain();
        }
        QCOMPARE(folge, QStringList({"ESpielerNr", "ESPkt1", "ESpkt2", "EPkt1", "EPkt2", "EFair1",
                                     "EFair2", "ESzenario1", "ESzenario2"}));
    }

    void editsChangeTheWorkingCopyAndOkStoresAndMarksEntered() {
        dlg_->show();
        WaehleZeile(2); // Zoe - Yann
        Tippe("ESPkt1", "1200");
        Tippe("ESpkt2", "300");
        Tippe("EPkt1", "14");
        Tippe("EPkt2", "2");
        Tippe("EFair1", "3");
        Tippe("ESzenario2", "5");
        TPaarung* p = PaarungVon(1);
        QVERIFY(p->Geaendert);
        QCOMPARE(p->Ergebnis1.Siegpunkte, 1200);
        QCOMPARE(p->Ergebnis2.Szenariopunkte, 5);
        QCOMPARE(Liste()->item(2)->text(), QString("Zoe Zander - Yann Yilmaz : 14:2 (1200:300)"));
        QCOMPARE(Liste()->currentRow(), 2);
        QCOMPARE(FindeSpieler(1)->GetPunkte(2), 0); // not yet with the players

        // Letters in a points edit change nothing and mark nothing.
        WaehleZeile(1); // Carl - Dora
        Tippe("EPkt1", "x7");
        QVERIFY(!PaarungVon(5)->Geaendert);
        QCOMPARE(Liste()->item(1)->text(), QString("Carl Claus - Dora Dorn : 0:0 (0:0)"));
        QCOMPARE(W<QLineEdit>("EPkt1")->text(), QString("x7"));

        Klick("OKBtn");
        QVERIFY(!dlg_->isVisible());
        QVERIFY(p->Eingegeben && !p->Geaendert);
        QVERIFY(!PaarungVon(5)->Eingegeben);
        QCOMPARE(RundenWerte(*FindeSpieler(1), 2), (std::vector<int>{2, 1200, 14, 3, 0}));
        QCOMPARE(RundenWerte(*FindeSpieler(2), 2), (std::vector<int>{1, 300, 2, 0, 5}));
        QCOMPARE(FindeSpieler(1)->GetTisch(2), 1);
    }

    void cancelRevertsChangedPairingsEvenHiddenOnes() {
        dlg_->show();
        Tippe("EPkt1", "3"); // Anna - Bert, stored 12:4
        Tippe("ESPkt1", "50");
        QCOMPARE(PaarungVon(3)->Ergebnis1.Punkte, 3);
        Tippe("ESpielerNr", "1");
        Tippe("EPkt1", "7");
        PaarungVon(1)->Eingegeben = true;
        Klick("btnAusblenden");
        QCOMPARE(Liste()->count(), 1);
        QTest::keyClick(dlg_.get(), Qt::Key_Escape);
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(PaarungVon(3)->Ergebnis1.Punkte, 12);
        QCOMPARE(PaarungVon(3)->Ergebnis1.Siegpunkte, 900);
        QCOMPARE(PaarungVon(1)->Ergebnis1.Punkte, 0);
        QVERIFY(!PaarungVon(3)->Geaendert && !PaarungVon(1)->Geaendert);
        QCOMPARE(FindeSpieler(3)->GetPunkte(2), 12);
        dlg_->show();
        Klick("btnAusblenden");
        QCOMPARE(Liste()->item(0)->text(), QString("Anna Arndt - Bert Brandt : 12:4 (900:100)"));
    }

    void matrixTurnsVictoryPointsIntoPoints() {
        SiegpunktmatrixBenutzen = true;
        Siegpunktmatrix.clear();
        for (auto [von, sieger, verlierer] : {std::tuple{0, 10, 6}, {500, 13, 3}}) {
            Siegpunktmatrix.push_back(std::make_unique<TSiegIntervall>());
            Siegpunktmatrix.back()->Von = von;
            Siegpunktmatrix.back()->Sieger = sieger;
            Siegpunktmatrix.back()->Verlierer = verlierer;
        }
        dlg_->show();
        QCOMPARE(W<QLineEdit>("EPkt1")->focusPolicy(), Qt::ClickFocus);
        WaehleZeile(1); // Carl - Dora
        TPaarung* p = PaarungVon(5);
        Tippe("ESPkt1", "700");
        QCOMPARE(p->Ergebnis1.Punkte, 13);
        QCOMPARE(p->Ergebnis2.Punkte, 3);
        Tippe("ESpkt2", "1300");
        QCOMPARE(W<QLineEdit>("EPkt2")->text(), QString("13"));
        QCOMPARE(Liste()->item(1)->text(), QString("Carl Claus - Dora Dorn : 3:13 (700:1300)"));

        // Letters in a victory-point edit keep the value but the points are looked up again.
        Siegpunktmatrix.clear();
        Tippe("ESPkt1", "abc");
        QCOMPARE(p->Ergebnis1.Siegpunkte, 700);
        QCOMPARE(p->Ergebnis1.Punkte, 0);
        QCOMPARE(p->Ergebnis2.Punkte, 0);
        Klick("OKBtn");
        QCOMPARE(FindeSpieler(6)->GetPunkte(2), 0);
        QCOMPARE(FindeSpieler(6)->GetSiegpunkte(2), 1300);
    }

    void searchSelectsTheFirstGameOfTheNumber() {
        dlg_->show();
        Tippe("ESpielerNr", "6");
        QCOMPARE(Liste()->currentRow(), 1);
        QCOMPARE(W<QLabel>("lbSpieler2")->text(), QString("Dora Dorn(6)"));
        for (const char* nichts : {"9", "", "x"}) {
            Tippe("ESpielerNr", nichts);
            QCOMPARE(Liste()->currentRow(), 1);
        }
    }

    void toggleHidesEnteredGamesAndAReshowHonoursIt() {
        dlg_->show();
        // A change to an entered game that the toggle then hides is still stored at OK.
        Tippe("EPkt2", "5"); // Anna - Bert
        Klick("btnAusblenden");
        QVERIFY(dlg_->NurOffeneAnzeigen());
        QCOMPARE(W<QPushButton>("btnAusblenden")->text(),
                 QString("Bereits eingegebene Spieler einblenden"));
        QCOMPARE(Texte(Liste()), QStringList({"Carl Claus - Dora Dorn : 0:0 (0:0)",
                                              "Zoe Zander - Yann Yilmaz : 0:0 (0:0)"}));
        QCOMPARE(W<QLabel>("lbSpieler1")->text(), QString("Carl Claus(5)"));
        Tippe("ESpkt2", "800");
        Klick("OKBtn");
        QCOMPARE(FindeSpieler(4)->GetPunkte(2), 5);
        QCOMPARE(FindeSpieler(6)->GetSiegpunkte(2), 800);
        QVERIFY(!PaarungVon(3)->Geaendert);

        dlg_->show();
        QVERIFY(dlg_->NurOffeneAnzeigen());
        QCOMPARE(Liste()->count(), 1);
        QCOMPARE(W<QPushButton>("btnAusblenden")->text(),
                 QString("Bereits eingegebene Spieler einblenden"));
        Klick("btnAusblenden");
        QCOMPARE(Liste()->count(), 3);
        QCOMPARE(W<QPushButton>("btnAusblenden")->text(),
                 QString("Bereits eingegebene Spieler ausblenden"));
    }

    void aClientResultArrivingWhileOpenIsKept() {
        dlg_->show();
        Tippe("ESpielerNr", "1");
        Tippe("EPkt1", "2");
        Tippe("ESpielerNr", "5");
        Tippe("EPkt1", "1");
        // A client sends the result of Carl - Dora; the dialog does not see it and goes on typing
        // into the old values.
        SpeichereGesendetesErgebnis({5, 6, 800, 100, 13, 3, 1, 1, 0, 0});
        Tippe("EPkt2", "7");
        Klick("OKBtn");
        // The client's result stands; the organiser's other edit is stored.
        QCOMPARE(RundenWerte(*FindeSpieler(5), 2), (std::vector<int>{6, 800, 13, 1, 0}));
        QCOMPARE(RundenWerte(*FindeSpieler(6), 2), (std::vector<int>{5, 100, 3, 1, 0}));
        QCOMPARE(FindeSpieler(1)->GetPunkte(2), 2);
        QVERIFY(PaarungVon(5)->Eingegeben);

        // Cancel does not revert such a result either.
        dlg_->show();
        QVERIFY(!PaarungVon(5)->VomClient);
        Tippe("ESpielerNr", "2");
        SpeichereGesendetesErgebnis({1, 2, 10, 10, 8, 8, 0, 0, 0, 0});
        Tippe("EPkt2", "4");
        Klick("CancelBtn");
        QCOMPARE(FindeSpieler(2)->GetPunkte(2), 8);
    }

    void fairPlayAndScenarioFollowTheirOptions() {
        FairplayProSpiel = false;
        dlg_->show();
        QVERIFY(W<QLineEdit>("EFair1")->isHidden() && W<QLabel>("Label4")->isHidden());
        QVERIFY(!W<QLineEdit>("ESzenario2")->isHidden());
        QCOMPARE(W<QLineEdit>("EPkt1")->focusPolicy(), Qt::StrongFocus);
        dlg_->reject();
        FairplayProSpiel = true;
        SzenarioEingabe = false;
        dlg_->show();
        QVERIFY(!W<QLineEdit>("EFair2")->isHidden());
        QVERIFY(W<QLineEdit>("ESzenario1")->isHidden() && W<QLabel>("Label8")->isHidden());
    }

    void anEmptyRoundListsNothingAndEditsChangeNothing() {
        Paarungsliste.clear();
        dlg_->show();
        QCOMPARE(Liste()->count(), 0);
        Tippe("EPkt1", "5");
        Tippe("ESpielerNr", "1");
        Klick("OKBtn");
        QCOMPARE(FindeSpieler(1)->GetPunkte(2), 0);
    }
};

QTEST_MAIN(ErgebnisDialogTest)
#include "ErgebnisDialogTest.moc"

#include "TestClient.h"
#include "core/Siegpunktmatrix.h"
#include "dialogs/DSiegpunktmatrix.h"
#include "qt/DialogTest.h"
#include "server/ClientListe.h"
#include "server/qt/DlgServer.h"

#include <QTableWidget>
#include <future>

class SiegpunktmatrixDialogTest : public QObject, DialogTest<TDlgSiegpunktmatrix> {
    Q_OBJECT

    TSimpleClient* client_ = nullptr;

    QTableWidget* Grid() { return W<QTableWidget>("Matrix"); }
    int Zeilen() {
        int sichtbar = 0;
        for (int k = 0; k < Grid()->rowCount(); ++k)
            sichtbar += Grid()->isRowHidden(k) ? 0 : 1;
        return sichtbar;
    }
    void Zelle(int zeile, int spalte, const QString& text) {
        Grid()->setItem(zeile, spalte, new QTableWidgetItem(text));
    }
    // Von, Bis, Sieger, Verlierer of a row.
    static QList<int> Zeile(size_t k) {
        const TSiegIntervall& z = *Siegpunktmatrix[k];
        return {z.Von, z.Bis, z.Sieger, z.Verlierer};
    }

private slots:
    void init() {
        Neu();
        Erzeugen();
        Clientliste.push_back(std::make_unique<TSimpleClient>());
        client_ = Clientliste.back().get();
        client_->NeedsMatrix = false;
    }
    void cleanup() { Abbauen(); }

    void theCountSizesGridAndFormAndOkStoresEveryLine() {
        dlg_->show();
        QCOMPARE(dlg_->windowTitle(), QString("Siegpunktmatrix"));
        QCOMPARE(Zeilen(), 9);
        QCOMPARE(Grid()->horizontalHeaderItem(2)->text(), QString("Verlierer"));
        QCOMPARE(Grid()->item(8, 0)->text(), QString("1700"));
        QCOMPARE(W<QLineEdit>("EAnzahl")->text(), QString("9"));
        QVERIFY(!W<QCheckBox>("cbMatrixNutzen")->isChecked());
        const int hoehe9 = dlg_->height();

        Tippe("EAnzahl", "11");
        QCOMPARE(Zeilen(), 11);
        QCOMPARE(dlg_->height(), hoehe9 + 2 * 24);
        // Counts the grid cannot hold are ignored like texts that are no number.
        for (const char* text : {"2000000000", "1001", "elf"}) {
            W<QLineEdit>("EAnzahl")->setText(text);
            QCOMPARE(Zeilen(), 11);
        }
        Tippe("EAnzahl", "9");
        QCOMPARE(Zeilen(), 9);
        QCOMPARE(dlg_->height(), hoehe9 + 2 * 24); // the form does not shrink

        Tippe("EAnzahl", "11"); // through "1": the lines typed in come back
        QCOMPARE(Grid()->item(8, 0)->text(), QString("1700"));
        Zelle(9, 0, "2000");
        Zelle(9, 1, "17");
        Zelle(9, 2, "0");
        Zelle(10, 0, "2500");
        Zelle(10, 1, "18");
        Zelle(10, 2, "0");
        W<QCheckBox>("cbMatrixNutzen")->click();
        Klick("OKBtn");
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(Siegpunktmatrix.size(), size_t(11));
        QCOMPARE(Zeile(8), (QList<int>{1700, 1999, 16, 0}));
        QCOMPARE(Zeile(10), (QList<int>{2500, 25000, 18, 0}));
        QVERIFY(SiegpunktmatrixBenutzen && client_->NeedsMatrix);
        QVERIFY(messages_->shown.empty());
    }

    void aBadCellKeepsTheMatrixAndCancelDiscards() {
        dlg_->show();
        Zelle(3, 1, "zehn");
        W<QCheckBox>("cbMatrixNutzen")->click();
        Klick("OKBtn");
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(messages_->Texts(RecordedMessage::Error),
                 std::vector<std::string>{"'zehn' ist kein gültiger Integerwert"});
        QCOMPARE(Zeile(8), (QList<int>{1700, 100000, 16, 0}));
        QVERIFY(!SiegpunktmatrixBenutzen && !client_->NeedsMatrix);

        dlg_->show();
        QCOMPARE(Grid()->item(3, 1)->text(), QString("11")); // each showing reloads the grid
        Tippe("EAnzahl", "0");
        QCOMPARE(Zeilen(), 0);
        Klick("CancelBtn");
        QCOMPARE(Siegpunktmatrix.size(), size_t(9));
        QVERIFY(!client_->NeedsMatrix);

        // OK without an edit still tells the clients.
        dlg_->show();
        Klick("OKBtn");
        QCOMPARE(Zeile(8), (QList<int>{1700, 17000, 16, 0}));
        QVERIFY(client_->NeedsMatrix);
    }

    void aConnectedClientGetsTheNewMatrixWithItsNextFetch() {
        Clientliste.clear(); // only the real client below
        TDServer server;
        server.EPort->setText("0");
        QTest::mouseClick(server.btnServer, Qt::LeftButton);
        TestClient c(server.Port());
        // A fetch of a player without a game: the flags, the blocks they ask for, "not found".
        const auto holen = [&c] {
            c.SendeZeile("Hole");
            c.LiesZeile();
            c.SendeInts({99});
            std::vector<int> antwort;
            const auto lies = [&] { return antwort.emplace_back(c.LiesInt()); };
            if (lies() && lies()) // matrix block asked for, matrix in use: its rows
                for (int i = 4 * lies(); i > 0; --i)
                    lies();
            if (lies()) { // options block: fair play and scenario
                lies();
                lies();
            }
            lies(); // whether the player has a game
            return antwort;
        };
        // The connection thread waits for the main thread, whose loop must run meanwhile.
        const auto fertig = [](std::future<std::vector<int>>& f) {
            return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        };
        c.LiesZeile();
        c.SendeZeile("Tisch 1");
        auto erste = std::async(std::launch::async, holen);
        QTRY_VERIFY_WITH_TIMEOUT(fertig(erste), 20000);
        QCOMPARE(erste.get(), (std::vector<int>{1, 0, 1, 1, 1, 0}));

        dlg_->show();
        Tippe("EAnzahl", "2");
        W<QCheckBox>("cbMatrixNutzen")->click();
        Klick("OKBtn");
        auto zweite = std::async(std::launch::async, holen);
        QTRY_VERIFY_WITH_TIMEOUT(fertig(zweite), 20000);
        QCOMPARE(zweite.get(), (std::vector<int>{1, 1, 2, 0, 249, 8, 8, 250, 2500, 9, 7, 0, 0}));
    }
};

QTEST_MAIN(SiegpunktmatrixDialogTest)
#include "SiegpunktmatrixDialogTest.moc"

#include "core/Siegpunktmatrix.h"
#include "dialogs/DSiegpunktmatrix.h"
#include "qt/DialogTest.h"
#include "server/ClientListe.h"

#include <QTableWidget>

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
        const QStringList neu{"2000", "17", "0", "2500", "18", "0"};
        for (int i = 0; i < 6; ++i)
            Zelle(9 + i / 3, i % 3, neu[i]);
        W<QCheckBox>("cbMatrixNutzen")->click();
        Klick("OKBtn");
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(Siegpunktmatrix.size(), size_t(11));
        QCOMPARE(Zeile(10), (QList<int>{2500, 25000, 18, 0}));
        QVERIFY(SiegpunktmatrixBenutzen && client_->NeedsMatrix);
        QVERIFY(messages_->shown.empty());
    }

    void aBadCellKeepsMatrixAndDialogAndCancelDiscards() {
        dlg_->show();
        Zelle(3, 1, "zehn");
        W<QCheckBox>("cbMatrixNutzen")->click();
        Klick("OKBtn");
        QVERIFY(dlg_->isVisible());
        QCOMPARE(Grid()->currentRow(), 3);
        QCOMPARE(Grid()->currentColumn(), 1);
        const auto fehler = messages_->Texts(RecordedMessage::Error);
        QCOMPARE(fehler.size(), size_t(1));
        const QString text = QString::fromStdString(fehler[0]);
        QVERIFY2(text.startsWith("Zeile 4, Spalte \"Sieger\": ") &&
                     text.endsWith(" ist kein gültiger Integerwert"),
                 qPrintable(text));
        QCOMPARE(Zeile(8), (QList<int>{1700, 100000, 16, 0}));
        QVERIFY(!SiegpunktmatrixBenutzen && !client_->NeedsMatrix);
        Klick("CancelBtn");

        dlg_->show();
        QCOMPARE(Grid()->item(3, 1)->text(), QString("11")); // each showing reloads the grid
        Tippe("EAnzahl", "0");
        QCOMPARE(Zeilen(), 0);
        // The count field refuses the minus sign and counts above 1000.
        Tippe("EAnzahl", "-1001");
        QCOMPARE(W<QLineEdit>("EAnzahl")->text(), QString("100"));
        QCOMPARE(Zeilen(), 100);
        Klick("CancelBtn");
        QCOMPARE(Siegpunktmatrix.size(), size_t(9));
        QVERIFY(!client_->NeedsMatrix);

        // OK without an edit still tells the clients.
        dlg_->show();
        Klick("OKBtn");
        QVERIFY(client_->NeedsMatrix);
    }
};

QTEST_MAIN(SiegpunktmatrixDialogTest)
#include "SiegpunktmatrixDialogTest.moc"

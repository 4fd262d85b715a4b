#include "Spielerbau.h"
#include "core/Data.h"
#include "dialogs/DWerteEingeben.h"
#include "qt/DialogTest.h"

namespace {

// Players "Vn S01" to "Vn Snn", listed in reverse so that the dialog's sorting shows.
void Spieler(int anzahl) {
    for (int n = anzahl; n >= 1; --n)
        SpielerAnlegen(n, "Vn", QString("S%1").arg(n, 2, 10, QChar('0')).toStdString());
}

} // namespace

class WerteEingebenTest : public QObject, DialogTest<TDlgWerteEingeben> {
    Q_OBJECT

    QLineEdit* Edit(int k) { return W<QLineEdit>(qPrintable(QString("Edit%1").arg(k))); }
    // The first name of the page and how many labels and edits show.
    QString Seite() {
        int zeilen = 0;
        for (int k = 1; k <= 10; ++k)
            zeilen += !W<QLabel>(qPrintable(QString("Label%1").arg(k)))->isHidden() +
                      !Edit(k)->isHidden();
        const QLabel* erste = W<QLabel>("Label1");
        return (erste->isHidden() ? "" : erste->text()) + "/" + QString::number(zeilen);
    }

private slots:
    void init() {
        Neu();
        Erzeugen();
    }
    void cleanup() { Abbauen(); }

    void pagesHoldTenAndNeverRunPastEitherEnd() {
        const struct {
            int spieler;
            const char* knoepfe;
            QString seite;
        } faelle[] = {{25, "", "Vn S01/20"},      {25, ">", "Vn S11/20"},  {25, ">>>", "Vn S21/10"},
                      {25, ">><<<", "Vn S01/20"}, {20, ">>", "Vn S11/20"}, {0, "><", "/0"}};
        for (const auto& f : faelle) {
            Spielerliste.clear();
            Spieler(f.spieler);
            dlg_->Modus = 1;
            dlg_->show();
            for (const char* k = f.knoepfe; *k; ++k)
                Klick(*k == '>' ? "Button2" : "Button1");
            QCOMPARE(Seite(), f.seite);
            dlg_->reject();
        }
        Klick("OKBtn"); // no players: nothing to write, and no failure
    }

    void eachModusEditsItsFieldAndOkStoresWhatEveryPageTook() {
        int TSpieler::*felder[] = {&TSpieler::Armeebewertung, &TSpieler::Bemalung, &TSpieler::Quiz,
                                   &TSpieler::Fairplay, &TSpieler::Sonstiges};
        Spieler(12);
        FindeSpieler(1)->SetFairplay(1, 3);
        for (int modus = 1; modus <= 5; ++modus) {
            auto feld = felder[modus - 1];
            for (const auto& s : Spielerliste)
                s.get()->*feld = s->Startnummer + 100 * modus;
            dlg_->Modus = modus;
            dlg_->show();
            QCOMPARE(Edit(2)->text(), QString::number(2 + 100 * modus));
            Tippe(Edit(1), "42");
            Klick("Button2");
            Tippe(Edit(1), "-7");
            Tippe(Edit(2), "x1"); // letters keep the number
            Klick("OKBtn");
            QCOMPARE(FindeSpieler(1)->*feld, 42);
            QCOMPARE(FindeSpieler(11)->*feld, -7);
            QCOMPARE(FindeSpieler(12)->*feld, 12 + 100 * modus);
            dlg_->show();
            Tippe(Edit(1), "5");
            Klick("CancelBtn");
            QCOMPARE(FindeSpieler(1)->*feld, 42);
        }
        QCOMPARE(FindeSpieler(1)->GetFairplay(1), 3); // not the fair play of a game
    }

    void twoPlayersOfOneNameBothWriteIntoTheFirst() {
        SpielerAnlegen(1, "Max", "Muster").Quiz = 4;
        SpielerAnlegen(2, "Max", "Muster").Quiz = 9;
        dlg_->Modus = 3;
        dlg_->show();
        QCOMPARE(Edit(2)->text(), QString("4"));
        Tippe(Edit(1), "6");
        Tippe(Edit(2), "8");
        Klick("OKBtn");
        QCOMPARE(FindeSpieler(1)->Quiz, 8);
        QCOMPARE(FindeSpieler(2)->Quiz, 9);
    }
};

QTEST_MAIN(WerteEingebenTest)
#include "WerteEingebenTest.moc"

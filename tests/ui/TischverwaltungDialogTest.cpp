#include "Spielerbau.h"
#include "core/Data.h"
#include "core/Paarungen.h"
#include "core/Tische.h"
#include "dialogs/DTischverwaltung.h"
#include "qt/DialogTest.h"

#include <QHeaderView>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>

class TischverwaltungDialogTest : public QObject, DialogTest<TdlgTischverwaltung> {
    Q_OBJECT

    QTableWidget* Grid() { return W<QTableWidget>("TischgruppenMatrix"); }
    QString Zelle(int zeile, int spalte) { return Grid()->item(zeile, spalte)->text(); }
    // What the form's width becomes for this many groups: the grid's width plus 50, at least
    // 712, less the border.
    int Formbreite(int gruppen) {
        const int spalte = Grid()->verticalHeader()->width();
        return std::max((gruppen + 1) * spalte + 15 + 50, 712) - 8;
    }

private slots:
    void init() {
        Neu();
        Erzeugen();
        // Ten players, four games of round 1 without tables; players 9 and 10 unpaired.
        for (int i = 1; i <= 10; ++i)
            SpielerAnlegen(i, "Vn", "N" + std::to_string(i));
        for (int i = 1; i <= 4; ++i)
            SpielPaaren(1, 2 * i - 1, 2 * i, 0);
    }
    void cleanup() { Abbauen(); }

    void optionsFixedTablesAndAssignment() {
        dlg_->show();
        QCOMPARE(dlg_->windowTitle(), QString("Tischverwaltung"));
        QCOMPARE(Paarungsliste.size(), size_t(4));
        QCOMPARE(W<QLineEdit>("EAnzTische")->text(), QString("5"));
        QCOMPARE(AnzahlTische, 5);

        W<QLineEdit>("EAnzTische")->setText("2000000000"); // beyond the bound: left as it was
        QCOMPARE(AnzahlTische, 5);
        // Typed, the field refuses what leads out of 0..10000: it shows the count in force.
        auto* anzahl = W<QLineEdit>("EAnzTische");
        for (const char* text : {"20000", "-7"}) {
            Tippe(anzahl, text);
            QCOMPARE(anzahl->text(), QString::number(AnzahlTische));
        }
        QCOMPARE(AnzahlTische, 7);
        // Left empty, it shows the count again when editing ends.
        QApplication::setActiveWindow(dlg_.get());
        anzahl->setFocus();
        Tippe(anzahl, "");
        QCOMPARE(anzahl->text(), QString());
        W<QLineEdit>("EXinReihe")->setFocus();
        QCOMPARE(anzahl->text(), QString("7"));
        QCOMPARE(AnzahlTische, 7);
        Tippe("EAnzTische", "6");
        Tippe("EWieOftProGruppe", "3");
        Tippe("EXinReihe", "2");
        W<QRadioButton>("rbReihenfolge")->click();
        W<QCheckBox>("cbTischgruppe")->click();
        QVERIFY(AnzahlTische == 6 && WieOftProGruppe == 3 && ErsteInReihenfolge == 2);
        QVERIFY(!TischeZufaellig && TischgruppenBeruecksichtigen);

        // Fixing at table 0 is taken as typed.
        auto* frei = W<QListWidget>("lbFrei");
        QCOMPARE(Texte(frei).first(), QString("Vn N1 : Vn N2"));
        Klicke(frei, "Vn N3 : Vn N4");
        Tippe("EFesteNr", "0");
        Klick("btFreiZuFest");
        QCOMPARE(Texte(W<QListWidget>("lbFest")), QStringList{"Vn N3 : Vn N4(Tisch: 0)"});
        QCOMPARE(frei->count(), 3);

        // Ordered tables: the free games by list position, the fixed one stays, no message.
        Klick("btZuweisen");
        QVERIFY(dlg_->isVisible());
        std::vector<int> tische;
        for (int i = 1; i <= 8; ++i)
            tische.push_back(FindeSpieler(i)->GetTisch(1));
        QCOMPARE(tische, (std::vector<int>{1, 1, 0, 0, 3, 3, 4, 4}));
        QVERIFY(messages_->shown.empty());

        W<QListWidget>("lbFest")->selectAll();
        Klick("btFestZuFrei");
        QCOMPARE(frei->count(), 4);
        QVERIFY(!FindePaarungVonSpieler(3)->TischFest);
    }

    void groupGridFollowsTheCountAndKeepsWhatWasEdited() {
        AnzahlTische = 10;
        dlg_->show();
        QCOMPARE(Grid()->columnCount(), 5);
        QCOMPARE(Grid()->verticalHeaderItem(2)->text(), QString("Letzter Tisch"));
        QCOMPARE(Zelle(0, 4), QString("Gruppe Nr. 5"));
        QCOMPARE(dlg_->width(), 704);
        // 1 and the number of tables are refused; the grid keeps its columns.
        for (const char* text : {"1", "10", "0"}) {
            W<QLineEdit>("EAnzahlTischgruppen")->setText(text);
            QCOMPARE(Grid()->columnCount(), 5);
        }
        W<QLineEdit>("EAnzahlTischgruppen")->setText("7");
        QCOMPARE(dlg_->width(), Formbreite(7));
        QVERIFY(dlg_->width() > 704);
        // Never past the screen: the grid scrolls then.
        W<QLineEdit>("EAnzahlTischgruppen")->setText("9");
        QVERIFY(dlg_->width() > Formbreite(7));
        QVERIFY(dlg_->frameGeometry().width() <= dlg_->screen()->availableGeometry().width());
        // Shown again, every layout has settled on the wide grid, as the event loop lets them
        // between keystrokes; the width is given back all the same.
        dlg_->hide();
        dlg_->show();
        Tippe("EAnzahlTischgruppen", "4");
        QCOMPARE(dlg_->width(), 704);

        // An edited cell makes the groups manual and survives a change of the count.
        Grid()->item(0, 0)->setText("Vorn");
        Tippe("EAnzahlTischgruppen", "6");
        QCOMPARE((QStringList{Zelle(0, 0), Zelle(1, 5)}), (QStringList{"Vorn", "0"}));

        // Esc is "Fertig" and takes the grid over; the close box does not.
        Grid()->item(1, 1)->setText("B");
        QTest::keyClick(dlg_.get(), Qt::Key_Escape);
        QVERIFY(!dlg_->isVisible());
        QCOMPARE(Tischgruppen.size(), size_t(6));
        QCOMPARE(Tischgruppen[0]->Name.str(), std::string("Vorn"));
        QCOMPARE(Tischgruppen[1]->ErsterTisch, 0);
        dlg_->show();
        Grid()->item(0, 0)->setText("Hinten");
        dlg_->close();
        QCOMPARE(Tischgruppen[0]->Name.str(), std::string("Vorn"));
    }
};

QTEST_MAIN(TischverwaltungDialogTest)
#include "TischverwaltungDialogTest.moc"

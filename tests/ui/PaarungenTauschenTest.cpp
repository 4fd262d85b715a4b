#include "Spielerbau.h"
#include "core/Data.h"
#include "core/Paarungen.h"
#include "dialogs/DPaarungenTauschen.h"
#include "qt/DialogTest.h"

class PaarungenTauschenTest : public QObject, DialogTest<TDlgPaarungenTauschen> {
    Q_OBJECT

    QComboBox* Box(int i) { return W<QComboBox>(i == 1 ? "cbPaarung1" : "cbPaarung2"); }
    QString Vorschau() {
        return W<QLabel>("Paar1Neu")->text() + " / " + W<QLabel>("Paar2Neu")->text();
    }

private slots:
    void init() {
        Neu();
        Erzeugen();
        // Round 2: Anna-Bert at table 3, Carl-Dora at table 5, Emil a bye.
        const char* namen[][2] = {
            {"Anna", "Arm"}, {"Bert", "Berg"}, {"Carl", "Cord"}, {"Dora", "Dahl"}, {"Emil", "Eck"}};
        for (int n = 1; n <= 5; ++n)
            SpielerAnlegen(n, namen[n - 1][0], namen[n - 1][1]);
        SpielPaaren(2, 3, 4, 5);
        SpielPaaren(2, 2, 1, 3);
        FindeSpieler(5)->SetGegner(2, 5);
        AktuellerSpieltag = 2;
        ErstellePaarungsliste();
    }
    void cleanup() { Abbauen(); }

    void previewsTheThreeVariantsInTurnAndTakesOverThePreview() {
        dlg_->show();
        const QStringList spiele{"Anna Arm : Bert Berg", "Carl Cord : Dora Dahl",
                                 "Emil Eck : Emil Eck"};
        QCOMPARE(Texte(Box(1)) + Texte(Box(2)), spiele + spiele);

        // A typed text without the separator previews nothing, and nothing is taken over.
        Box(1)->setEditText("Anna Arm");
        Box(2)->setCurrentIndex(1);
        Klick("bTauschen");
        Klick("bUebernehmen");
        QCOMPARE(Vorschau(), QString(" / "));

        Box(1)->setCurrentIndex(0);
        QStringList gezeigt;
        for (int i = 0; i < 4; ++i) {
            Klick("bTauschen");
            gezeigt << Vorschau();
        }
        QCOMPARE(gezeigt, QStringList({"Anna Arm : Carl Cord / Bert Berg : Dora Dahl",
                                       "Anna Arm : Dora Dahl / Bert Berg : Carl Cord",
                                       "Anna Arm : Bert Berg / Carl Cord : Dora Dahl",
                                       "Anna Arm : Carl Cord / Bert Berg : Dora Dahl"}));
        Klick("bUebernehmen");
        QCOMPARE(Texte(Box(1)), QStringList({"Anna Arm : Carl Cord", "Bert Berg : Dora Dahl",
                                             "Emil Eck : Emil Eck"}));
        QCOMPARE(Vorschau(), QString(" / "));

        // A bye line is refused with a message; the preview stays for another try.
        Box(1)->setCurrentIndex(2);
        Box(2)->setCurrentIndex(0);
        Klick("bTauschen"); // the cycle went on: second variant
        QCOMPARE(Vorschau(), QString("Emil Eck : Carl Cord / Emil Eck : Anna Arm"));
        Klick("bUebernehmen");
        QCOMPARE(messages_->Count(RecordedMessage::Error), size_t(1));
        QCOMPARE(Vorschau(), QString("Emil Eck : Carl Cord / Emil Eck : Anna Arm"));

        // Names of no player are previewed, but taking them over does nothing at all.
        Box(1)->setEditText("Xaver X : Yvo Y");
        Klick("bTauschen");
        Klick("bUebernehmen");
        QCOMPARE(Box(1)->currentText() + " / " + Box(2)->currentText(),
                 QString("Xaver X : Yvo Y / Anna Arm : Carl Cord"));
        QCOMPARE(Vorschau(), QString("Xaver X : Yvo Y / Anna Arm : Carl Cord"));
        QCOMPARE(messages_->Count(RecordedMessage::Error), size_t(1));
    }
};

QTEST_MAIN(PaarungenTauschenTest)
#include "PaarungenTauschenTest.moc"

// The commands "Werte Eingeben", "Paarungen Tauschen" and "Spieler löschen" of the main window,
// and what result entry and the views do after a swap and a deletion.
#include "MainFixture.h"

#include "qt/Bedienen.h"
#include "qt/ModalerDialog.h"

namespace {

// Enters a result through the result command: the game of the start number, side 1's points.
void ErgebnisEingeben(TMain& main, int nummer, int punkte) {
    ModalerDialog eingeben([=](QDialog& dlg) {
        Tippe(Element<QLineEdit>(&dlg, "ESpielerNr"), QString::number(nummer));
        Tippe(Element<QLineEdit>(&dlg, "EPkt1"), QString::number(punkte));
        Klick(&dlg, "OKBtn");
    });
    main.bErgebnis->click();
    QVERIFY(eingeben.Gezeigt());
}

void Waehle(QDialog& dlg, const char* box, const char* text) {
    auto* liste = Element<QComboBox>(&dlg, box);
    liste->setCurrentIndex(liste->findText(text));
}

} // namespace

class MainVerwaltungBefehle : public QObject {
    Q_OBJECT
private slots:
    void valueCommandsSetTheKindAndCountFromTheNextRefresh() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        QAction* eintraege[] = {main.Armeebewertung1, main.Bemalung1, main.Quizpunkte1,
                                main.Fairplay1, main.Sonstiges1};
        QStringList titel;
        for (QAction* eintrag : eintraege) {
            ModalerDialog ansehen([&titel](QDialog& dlg) { titel << dlg.windowTitle(); });
            eintrag->trigger();
        }
        QCOMPARE(titel, QStringList({"Armeebewertung eingeben", "Bemalung eingeben",
                                     "Quiz eingeben", "Fairplay eingeben", "Sonstiges eingeben"}));

        const QStringList vorher = Zeilen(main.Grid);
        ModalerDialog eingeben([](QDialog& dlg) {
            Tippe(Element<QLineEdit>(&dlg, "Edit1"), "30"); // Anna Arm
            Klick(&dlg, "OKBtn");
        });
        main.Armeebewertung1->trigger();
        QCOMPARE(Zeilen(main.Grid), vorher);
        DrueckeF5(&main);
        QCOMPARE(Zeilen(main.Grid).first(), QString("1|1|Anna Arm|20|-200|30|50"));
    }

    void resultsAfterASwapOrADeletionReachThePlayersNowPaired() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        ModalerDialog tauschen([](QDialog& dlg) {
            Waehle(dlg, "cbPaarung1", "Anna Arm : Carl Cord");
            Waehle(dlg, "cbPaarung2", "Bert Berg : Emil Eck");
            Klick(&dlg, "bTauschen");
            Klick(&dlg, "bUebernehmen");
            Klick(&dlg, "CancelBtn");
        });
        main.PaarungenTauschen1->trigger();
        QVERIFY(tauschen.Gezeigt());
        QCOMPARE(Zeilen(main.lvSpiele), (QStringList{"1|1|Carl Cord|Emil Eck|15:0|1300:0",
                                                     "2|2|Anna Arm|Bert Berg|5:20|700:1500"}));
        ErgebnisEingeben(main, 2, 9); // side 1 is Anna
        QCOMPARE(RundenWerte(*FindeSpieler(1), 2), (std::vector<int>{2, 700, 9, 0, 0}));
        QCOMPARE(FindeSpieler(2)->GetGegner(2), 1);

        QStringList namen;
        ModalerDialog loeschen([&namen](QDialog& dlg) {
            Waehle(dlg, "cbSpieler", "Bert Berg");
            Klick(&dlg, "Button1");
            namen = Texte(Element<QComboBox>(&dlg, "cbSpieler"));
        });
        main.SpielerlschenNurvorerstemSpiel1->trigger();
        QCOMPARE(namen,
                 QStringList({"Anna Arm", "Carl Cord", "Dora Dahl", "Emil Eck", "Fritz Fink"}));
        QCOMPARE(Zeilen(main.Grid).size(), 3);
        // Anna's game names nobody now: her side is stored, the views go on.
        ErgebnisEingeben(main, 1, 11);
        QCOMPARE(FindeSpieler(1)->GetPunkte(2), 11);
        QCOMPARE(Zeilen(main.lvSpiele), (QStringList{"1|1|Carl Cord|Emil Eck|15:0|1300:0"}));
        QVERIFY(windows.messages.shown.empty());
    }
};

QTEST_MAIN(MainVerwaltungBefehle)
#include "MainVerwaltungBefehle.moc"

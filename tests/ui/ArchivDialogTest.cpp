// The three commands of the hidden archive menu, invoked as the menu would: storing the
// tournament, the all-time ranking and its save, and taking several players over.
#include "Archivbau.h"
#include "MainFixture.h"
#include "archive/qt/DArchiv.h"
#include "archive/qt/DMehrereUebernehmen.h"
#include "qt/Bedienen.h"
#include "qt/ModalerDialog.h"

#include <sys/stat.h>

namespace {

// Runs a command of the archive menu; the step plays its dialog and closes it.
void Befehl(QAction* eintrag, const std::function<void(QDialog&)>& schritt) {
    ModalerDialog dialog(schritt);
    eintrag->trigger();
    QVERIFY(dialog.Gezeigt());
}

} // namespace

class ArchivDialogTest : public QObject {
    Q_OBJECT
private slots:
    void storesUnderANonBlankNameAndShowsAFailedWrite() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        NeuerSpieler(1, "Anna", "Arm", "Orks", "Halven", "Rot", 0);
        const auto name = [&](const QString& text) {
            Befehl(main.SpielerinArchivbernehmen1, [&](QDialog& d) {
                QCOMPARE(d.windowTitle(), QString("Turnier übernehmen"));
                Tippe(Element<QLineEdit>(&d, "Edit1"), text);
                Klick(&d, "OKBtn");
                QVERIFY(!d.isVisible());
            });
        };
        name(" \t ");
        QCOMPARE(windows.messages.shown.size(), size_t(1));
        QCOMPARE(windows.messages.shown[0].caption + "|" + windows.messages.shown[0].text,
                 std::string("Halvener Paarungs Programm|Bitte einen Namen eingeben"));
        QVERIFY(Archiv.Personen.empty());

        name(" Cup ");
        QCOMPARE(Archiv.Personen.size(), size_t(1));
        QCOMPARE(Archiv.Personen[0]->Turniere[0]->Name, std::string("Cup"));

        chmod((windows.folder / "Archiv.dat").c_str(), 0444);
        name("Cup");
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
    }

    void theRankingListsEachPersonOnceAndSavesItsLines() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        NeuePerson("Bert Berg");
        NeuesTurnier(NeuePerson("J\xf6rg Arm"), 1, 45, {11, 11, 10});
        QStringList gezeigt;
        for (int i = 0; i < 2; ++i)
            Befehl(main.Archivdatenanzeigen1,
                   [&](QDialog& d) { gezeigt = Texte(Element<QListWidget>(&d, "lbTabelle")); });
        QCOMPARE(gezeigt, (QStringList{"Jörg Arm(45/1)(2/1/0)", "Bert Berg(0/0)(0/0/0)"}));

        windows.dialogs.AnswerNext(windows.folder / "rangliste.txt");
        DlgArchiv->Speichern1->trigger();
        QCOMPARE(ReadBytes(windows.folder / "rangliste.txt"),
                 std::string("J\xf6rg Arm(45/1)(2/1/0)\r\nBert Berg(0/0)(0/0/0)\r\n"));
    }

    void takesTheMovedNamesOverOnlyOnOkAndEmptiesTheListThen() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        NeuerSpieler(1, "Bert", "Berg", "Elfen", "Dornwalde", "Blau", 0);
        NeuePerson("Anna Arm");
        NeuePerson("Bert Berg");
        NeuePerson("Anna Arm");
        auto* archiv = DlgMehrererUebernehmen->lvArchiv;
        auto* uebernahme = DlgMehrererUebernehmen->lvUebernahme;

        Befehl(main.MehrereSpielerausArchivbernehmen1, [&](QDialog& d) {
            QCOMPARE(d.windowTitle(), QString("Mehrere Spieler übernehmen"));
            QCOMPARE(Texte(archiv), (QStringList{"Anna Arm", "Anna Arm", "Bert Berg"}));
            QVERIFY(archiv->selectedItems().isEmpty());
            Klicke(archiv, "Anna Arm");
            Klick(&d, "Button1");
            QCOMPARE(Texte(archiv), (QStringList{"Anna Arm", "Bert Berg"}));
            Klick(&d, "CancelBtn");
        });
        QCOMPARE(Texte(uebernahme), QStringList{"Anna Arm"});
        QCOMPARE(Spielerliste.size(), size_t(1));

        Befehl(main.MehrereSpielerausArchivbernehmen1, [&](QDialog& d) {
            Klicke(archiv, "Bert Berg");
            Klick(&d, "Button1");
            Klicke(uebernahme, "Anna Arm");
            Klick(&d, "Button2");
            QCOMPARE(Texte(uebernahme), QStringList{"Bert Berg"});
            Klick(&d, "OKBtn");
        });
        QVERIFY(Texte(uebernahme).isEmpty());
        QCOMPARE(Spielerliste.size(), size_t(2));
        QCOMPARE(main.Grid->rowCount(), 0);
        DrueckeF5(main.bPaaren);
        QCOMPARE(main.Grid->rowCount(), 2);
    }
};

QTEST_MAIN(ArchivDialogTest)
#include "ArchivDialogTest.moc"

// The three commands of the hidden archive menu, invoked as the menu would: storing the
// tournament, the all-time ranking and its save, and taking several players over.
#include "MainFixture.h"
#include "archive/Spielerarchiv.h"
#include "archive/qt/DArchiv.h"
#include "archive/qt/DMehrereUebernehmen.h"
#include "qt/Bedienen.h"
#include "qt/ModalerDialog.h"

#include <sys/stat.h>

namespace {

const std::string Titel = "Halvener Paarungs Programm";

// Runs a command of the archive menu; the step plays its dialog and closes it.
void Befehl(QAction* eintrag, const std::function<void(QDialog&)>& schritt) {
    ModalerDialog dialog(schritt);
    eintrag->trigger();
    QVERIFY(dialog.Gezeigt());
}

TPerson& Person(const std::string& name) {
    auto& p = *Archiv.Personen.emplace_back(std::make_unique<TPerson>());
    p.Name = name;
    p.Id = static_cast<int>(Archiv.Personen.size()) - 1;
    return p;
}

} // namespace

class ArchivDialogTest : public QObject {
    Q_OBJECT
private slots:
    void storesUnderANonBlankNameAndAFailedWriteStoresNothing() {
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
        name("   ");
        QCOMPARE(windows.messages.shown.size(), size_t(1));
        QCOMPARE(windows.messages.shown[0].caption + "|" + windows.messages.shown[0].text,
                 Titel + "|Bitte einen Namen eingeben");
        QVERIFY(Archiv.Personen.empty());

        name(" Cup ");
        QCOMPARE(Archiv.Personen.size(), size_t(1));
        QCOMPARE(Archiv.Personen[0]->Turniere[0]->Name, std::string("Cup"));

        chmod((windows.folder / "Archiv.dat").c_str(), 0444);
        name("Cup");
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
        QCOMPARE(Archiv.Personen[0]->Count(), 1);
    }

    void theRankingListsEachPersonOnceAndSavesItsLines() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        const auto zeilen = [&] {
            QStringList gezeigt;
            Befehl(main.Archivdatenanzeigen1,
                   [&](QDialog& d) { gezeigt = Texte(Element<QListWidget>(&d, "lbTabelle")); });
            return gezeigt;
        };
        QCOMPARE(zeilen(), QStringList());
        Person("Bert Berg");
        Person("Anna Arm").Turniere.push_back(std::make_unique<TTurnier>());
        Archiv.Personen[1]->Turniere[0]->Punkte = 45;
        zeilen();
        const QStringList erwartet{"Anna Arm(45/1)(0/0/0)", "Bert Berg(0/0)(0/0/0)"};
        QCOMPARE(zeilen(), erwartet);

        windows.dialogs.AnswerNext(windows.folder / "rangliste.txt");
        DlgArchiv->Speichern1->trigger();
        QCOMPARE(ReadBytes(windows.folder / "rangliste.txt"),
                 std::string("Anna Arm(45/1)(0/0/0)\r\nBert Berg(0/0)(0/0/0)\r\n"));
    }

    void takesTheMovedNamesOverOnlyOnOkAndEmptiesTheListThen() {
        ProgramWindows windows;
        TMain& main = windows.Start();
        NeuerSpieler(1, "Bert", "Berg", "Elfen", "Dornwalde", "Blau", 0);
        Person("Anna Arm");
        Person("Bert Berg").Armee = "Zwerge";
        Person("Anna Arm");
        auto* archiv = DlgMehrererUebernehmen->lvArchiv;
        auto* uebernahme = DlgMehrererUebernehmen->lvUebernahme;

        Befehl(main.MehrereSpielerausArchivbernehmen1, [&](QDialog& d) {
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
        const TSpieler& neu = *Spielerliste.back();
        QCOMPARE(neu.GetName() + "|" + neu.Armee.str() + "|" + std::to_string(neu.ArchivID),
                 std::string("Bert Berg|Zwerge|1"));
        QCOMPARE(main.Grid->rowCount(), 0);
        DrueckeF5(main.bPaaren);
        QCOMPARE(main.Grid->rowCount(), 2);
    }
};

QTEST_MAIN(ArchivDialogTest)
#include "ArchivDialogTest.moc"

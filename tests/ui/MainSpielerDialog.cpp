// The main window's player commands and its start-up read of the archive.
#include "MainFixture.h"

#include "archive/Spielerarchiv.h"
#include "dialogs/DNeuerSpieler.h"
#include "qt/Bedienen.h"
#include "qt/ModalerDialog.h"
#include "translation/Translate.h"

#include <QToolButton>

namespace {

const std::string ZweiPersonen = "2\r\n2\r\n"
                                 "Carla Cel\r\n0\r\n\r\nUlm\r\nRot\r\n1\r\n"
                                 "Cup\r\nOrks\r\n2\r\n30\r\n1\r\n1\r\n11\r\n"
                                 "Dirk Dorn\r\n1\r\n\r\nNeutral\r\nNeutral\r\n0\r\n";

bool HatZeile(const QTableWidget* ansicht, const QString& name) {
    for (const QString& zeile : Zeilen(ansicht))
        if (zeile.split('|').contains(name))
            return true;
    return false;
}

} // namespace

class MainSpielerDialog : public QObject {
    Q_OBJECT
private slots:
    void damagedArchiveIsReportedAndStartupGoesOn() {
        ProgramWindows windows;
        windows.WriteSetting("Archiv.dat", "2\r\n2\r\nCarla Cel\r\n0\r\n\r\nUlm\r\nRot\r\n0\r\n"
                                           "Dirk Dorn\r\nx\r\n");
        T3TurnierID = "9";
        TMain& main = windows.Start();
        QCOMPARE(windows.messages.Count(RecordedMessage::Error), size_t(1));
        QVERIFY(windows.messages.shown[0].text.find("Archiv.dat") != std::string::npos);
        QCOMPARE(Archiv.Personen.size(), size_t(1));
        // Everything after the archive was still set up: state, texts, the player dialog.
        QCOMPARE(T3TurnierID.str(), std::string("0"));
        QCOMPARE(main.windowTitle(), QString("Halvener Paarungs Programm"));
        QVERIFY(DlgNeuerSpiel);
        QCOMPARE(GetTranslation(12, 1), std::string("Spieler verwalten"));
    }

    void archiveEntryCreatesPlayersFromPersons() {
        ProgramWindows windows;
        windows.WriteSetting("Archiv.dat", ZweiPersonen);
        TMain& main = windows.Start();
        int modus = 0;
        ModalerDialog waehlen([&modus](QDialog& dlg) {
            modus = static_cast<TDlgNeuerSpiel&>(dlg).Modus;
            auto* liste = dlg.findChild<QListWidget*>("lvSpieler");
            static_cast<TDlgNeuerSpiel&>(dlg).lvSpielerClick(
                liste->findItems("Carla Cel", Qt::MatchExactly).value(0));
            dlg.findChild<QToolButton*>("ButtonSave")->click();
            dlg.findChild<QPushButton*>("OKBtn")->click();
        });
        main.NeuenSpielereingeben1->trigger();

        // Start-up read the archive and ranked its persons.
        QCOMPARE(PlayerList.size(), size_t(2));
        QCOMPARE(PlayerList[0]->Siege, 1);
        QCOMPARE(modus, TDlgNeuerSpiel::ArchivEingabe);
        QCOMPARE(DlgNeuerSpiel->Modus, TDlgNeuerSpiel::Leerlauf);
        QCOMPARE(Spielerliste.size(), size_t(1));
        QVERIFY(HatZeile(main.Grid, "Carla Cel"));
        QVERIFY(windows.messages.shown.empty());
    }
};

QTEST_MAIN(MainSpielerDialog)
#include "MainSpielerDialog.moc"

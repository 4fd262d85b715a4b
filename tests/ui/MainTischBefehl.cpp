// The table command: what the table dialog fixed reaches the players when it closes, however it
// closes, and the views show it.
#include "MainFixture.h"
#include "dialogs/DTischverwaltung.h"
#include "qt/Bedienen.h"
#include "qt/ModalerDialog.h"

class MainTischBefehl : public QObject {
    Q_OBJECT
private slots:
    void tablesFixedInTheDialogReachThePlayersAndTheViews() {
        ProgramWindows windows;
        TMain& main = Geladen(windows);
        ModalerDialog fixieren([](QDialog& dlg) {
            QCOMPARE(&dlg, static_cast<QDialog*>(dlgTischverwaltung));
            Klicke(Element<QListWidget>(&dlg, "lbFrei"), "Anna Arm : Carl Cord");
            Tippe(Element<QLineEdit>(&dlg, "EFesteNr"), "7");
            Klick(&dlg, "btFreiZuFest");
            dlg.close(); // the close box
        });
        main.TischeVerwalten1->trigger();
        QVERIFY(fixieren.Gezeigt());
        QCOMPARE(FindeSpieler(1)->GetTisch(2), 7);
        QCOMPARE(FindeSpieler(3)->GetTisch(2), 7);
        QCOMPARE(Zeilen(main.lvSpiele), (QStringList{"1|1|Bert Berg|Emil Eck|20:0|1500:0",
                                                     "2|7|Anna Arm|Carl Cord|5:15|700:1300"}));
        QVERIFY(windows.messages.shown.empty());
    }
};

QTEST_MAIN(MainTischBefehl)
#include "MainTischBefehl.moc"

// The main window's server command: it shows the server window, which outlives its closing with
// the server running, and the program's windows go away with clients still connected.
#include "TestClient.h"
#include "mainwindow/FMain.h"
#include "qt/ModalerDialog.h"
#include "qt/ProgramWindows.h"
#include "server/ClientListe.h"
#include "server/qt/DlgServer.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

class MainServerBefehl : public QObject {
    Q_OBJECT
private slots:
    void serverCommandShowsTheWindowAndTheServerKeepsRunning() {
        std::unique_ptr<TestClient> client;
        {
            ProgramWindows windows;
            TMain& main = windows.Start();
            QVERIFY(DServer);
            ModalerDialog bedienen([](QDialog& dlg) {
                QCOMPARE(&dlg, static_cast<QDialog*>(DServer));
                QCOMPARE(dlg.windowTitle(), QString("Server"));
                DServer->EPort->setText("0");
                DServer->btnServer->click();
                DServer->OKBtn->click();
            });
            main.ServerVerwalten1->trigger();
            QVERIFY(bedienen.Gezeigt());
            QVERIFY(!DServer->isVisible());
            QVERIFY(DServer->Port() > 0);

            client = std::make_unique<TestClient>(DServer->Port());
            QCOMPARE(client->LiesZeile(), std::string("Connection Established..."));
            client->SendeZeile("Tisch 1");
            QTRY_COMPARE(Clientliste.size(), size_t(1));
            QVERIFY(windows.messages.shown.empty());
        }
        // The windows are gone: the server stopped and let the client go.
        QVERIFY(client->WarteAufEnde());
        QVERIFY(Clientliste.empty());
    }
};

QTEST_MAIN(MainServerBefehl)
#include "MainServerBefehl.moc"

// The server window offscreen: start and stop through btnServer, its captions and log, bad ports,
// and the serialiser on the main thread (also inside a modal dialog's event loop, and when the
// window goes away while clients wait for the main thread).
#include "CoreState.h"
#include "RecordingMessages.h"
#include "Serverturnier.h"
#include "Speicher.h"
#include "TestClient.h"
#include "core/Paarungen.h"
#include "platform/TcpServer.h"
#include "server/ClientListe.h"
#include "server/Logpuffer.h"
#include "server/qt/DlgServer.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>

namespace {

using namespace std::chrono_literals;

QStringList Log(TDServer& fenster) {
    return fenster.dbMemo->toPlainText().split('\n', Qt::SkipEmptyParts);
}

// Runs a client's conversation off the main thread, which must stay free to serve it.
template <class F> auto ImHintergrund(F f) {
    return std::async(std::launch::async, f);
}

template <class T> bool Fertig(std::future<T>& f) {
    return f.wait_for(0s) == std::future_status::ready;
}

} // namespace

class ServerFensterTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetCoreState();
        BaueServerturnier();
        SetzeDreiZeilenMatrix();
    }

    void startAndStopThroughTheButton() {
        TDServer fenster;
        QCOMPARE(fenster.btnServer->text(), QString("Server Starten"));
        QCOMPARE(fenster.EPort->text(), QString("50000"));
        fenster.show();
        QCOMPARE(fenster.windowTitle(), QString("Server"));
        QCOMPARE(fenster.lbPort->text(), QString("Port:"));
        QCOMPARE(fenster.OKBtn->text(), QString("OK"));
        QCOMPARE(fenster.lbServername->text(), "Servername: " + QString::fromStdString(HostName()));

        fenster.EPort->setText("0");
        QTest::mouseClick(fenster.btnServer, Qt::LeftButton);
        QVERIFY(fenster.Port() > 0);
        QCOMPARE(fenster.btnServer->text(), QString("Server Stoppen"));
        QCOMPARE(Log(fenster), QStringList{"Server gestartet"});

        const int port = fenster.Port();
        // A whole conversation goes through the window's serialiser and log.
        auto sitzung = ImHintergrund([port] {
            TestClient c(port);
            c.LiesZeile();
            c.SendeZeile("Tisch 7");
            c.SendeZeile("Matrix");
            c.SendeInts({600, 100});
            c.LiesZeile();
            return c.Lies(12);
        });
        QTRY_VERIFY_WITH_TIMEOUT(Fertig(sitzung), 20000);
        QCOMPARE(sitzung.get(), Ints({1, 16, 0}));
        QTRY_COMPARE(Log(fenster).size(), 4);
        QCOMPARE(Log(fenster).mid(1),
                 (QStringList{"Client Tisch 7 has logged in", "Client Tisch 7 has sent Matrix",
                              "Client Tisch 7 has logged off"}));

        auto bleibt = std::make_unique<TestClient>(port);
        bleibt->LiesZeile();
        bleibt->SendeZeile("Bleibt");
        QTRY_COMPARE(Log(fenster).size(), 5);
        QTest::mouseClick(fenster.btnServer, Qt::LeftButton);
        QCOMPARE(fenster.Port(), 0);
        QCOMPARE(fenster.btnServer->text(), QString("Server Starten"));
        QCOMPARE(Log(fenster).mid(5),
                 (QStringList{"Client Bleibt has logged off", "Server gestoppt"}));
        QVERIFY(bleibt->WarteAufEnde());
        QVERIFY(Clientliste.empty());

        // Started again on the same port.
        fenster.EPort->setText(QString::number(port));
        QTest::mouseClick(fenster.btnServer, Qt::LeftButton);
        QCOMPARE(fenster.Port(), port);
        QCOMPARE(Log(fenster).last(), QString("Server gestartet"));
    }

    void aPortThatIsNoNumberOrCannotBeBoundShowsTheError() {
        RecordingMessages boxen;
        TDServer fenster;
        fenster.EPort->setText("5000x");
        QTest::mouseClick(fenster.btnServer, Qt::LeftButton);
        QCOMPARE(boxen.Texts(RecordedMessage::Error),
                 std::vector<std::string>{"'5000x' ist kein gültiger Integerwert"});

        TcpServer belegt(
            TcpEreignisse{[](TcpVerbindung&) {}, [](TcpVerbindung&) {}, [](TcpVerbindung&) {}});
        belegt.Starten(0);
        fenster.EPort->setText(QString::number(belegt.Port()));
        QTest::mouseClick(fenster.btnServer, Qt::LeftButton);
        QCOMPARE(boxen.Count(RecordedMessage::Error), 2u);
        QVERIFY(boxen.shown.back().text.find(std::to_string(belegt.Port())) != std::string::npos);

        QCOMPARE(fenster.Port(), 0);
        QCOMPARE(fenster.btnServer->text(), QString("Server Starten"));
        QVERIFY(Log(fenster).isEmpty());
    }

    void aResultArrivesWhileAModalDialogIsOpenAndTheClosedWindowKeepsServing() {
        TDServer fenster;
        fenster.show();
        fenster.EPort->setText("0");
        QTest::mouseClick(fenster.btnServer, Qt::LeftButton);
        QTest::mouseClick(fenster.OKBtn, Qt::LeftButton);
        QVERIFY(!fenster.isVisible());
        const int port = fenster.Port();
        QVERIFY(port > 0);

        auto sitzung = ImHintergrund([port] {
            TestClient c(port);
            c.LiesZeile();
            c.SendeZeile("Modal");
            c.SendeZeile("Sende");
            c.SendeInts({3, 0, 700, 900, 6, 10, 1, 2, 3, 4});
            c.SendeZeile("Matrix"); // its reply comes after the Sende was stored
            c.SendeInts({900, 700});
            c.LiesZeile();
            c.LiesZeile();
            return c.Lies(12);
        });
        // The main thread sits in a dialog's own event loop until the client is through.
        QDialog modal;
        QTimer pruefer;
        QObject::connect(&pruefer, &QTimer::timeout, &modal, [&] {
            if (Fertig(sitzung))
                modal.accept();
        });
        pruefer.start(5);
        QTimer::singleShot(20000, &modal, &QDialog::reject);
        QCOMPARE(modal.exec(), int(QDialog::Accepted));
        pruefer.stop();
        QCOMPARE(sitzung.get(), Ints({1, 13, 3}));

        const TPaarung* p = FindePaarungVonSpieler(2);
        QVERIFY(p->Eingegeben && p->VomClient);
        QCOMPARE(FindeSpieler(2)->GetSiegpunkte(2), 700);
        QCOMPARE(FindeSpieler(3)->GetPunkte(2), 10);

        fenster.show();
        QTRY_VERIFY(Log(fenster).contains("Client Modal has sent 3:0(700:900)"));
    }

    void aClientFloodingLongLinesNeitherGrowsMemoryNorDelaysOtherClients() {
        TDServer fenster;
        fenster.show();
        fenster.EPort->setText("0");
        QTest::mouseClick(fenster.btnServer, Qt::LeftButton);
        const int port = fenster.Port();
        const long vorher = ResidentKiB();

        constexpr int Zeilen = 4000; // 256 MiB of log text
        std::atomic<bool> geflutet{false};
        auto flut = ImHintergrund([port, &geflutet] {
            TestClient c(port);
            c.LiesZeile();
            c.SendeZeile("x");
            const std::string zeile(TcpVerbindung::MaxZeilenlaenge - 1, 'x');
            for (int i = 0; i < Zeilen; ++i)
                c.SendeZeile(zeile);
            c.SendeZeile("Matrix"); // answered once every line before it was logged
            c.SendeInts({0, 0});
            c.LiesZeile();
            const int antwort = c.LiesInt();
            geflutet = true;
            return antwort;
        });
        // Round trips of another client's requests while the flood goes on, in milliseconds.
        auto andere = ImHintergrund([port, &geflutet] {
            TestClient c(port);
            c.LiesZeile();
            c.SendeZeile("Tisch");
            long laengste = 0;
            while (!geflutet) {
                const auto start = std::chrono::steady_clock::now();
                c.SendeZeile("Matrix");
                c.SendeInts({600, 100});
                c.LiesZeile();
                c.Lies(12);
                laengste =
                    std::max<long>(laengste, (std::chrono::steady_clock::now() - start) / 1ms);
            }
            return laengste;
        });
        QTRY_VERIFY_WITH_TIMEOUT(Fertig(flut) && Fertig(andere), 60000);
        QCOMPARE(flut.get(), 1);
        QVERIFY2(andere.get() < 1000, "a reply took a second or more");
        QTRY_VERIFY(Log(fenster).contains("Client x has sent Matrix"));

        const auto zeilen = Log(fenster);
        QVERIFY(zeilen.size() <= int(Logpuffer::MaxZeilen) + 1);
        const QString lang = "Client x has sent " + QString(int(Logpuffer::MaxZeichen), 'x');
        QVERIFY(zeilen.contains(lang.left(int(Logpuffer::MaxZeichen)) + " ... (" +
                                QString::number(65553 - int(Logpuffer::MaxZeichen)) +
                                " more characters)"));
        QVERIFY(fenster.dbMemo->document()->characterCount() <
                int(Logpuffer::MaxZeilen * (Logpuffer::MaxZeichen + 40)));
        const long gewachsenMiB = (ResidentKiB() - vorher) / 1024;
        QVERIFY2(gewachsenMiB < 100, qPrintable(QString::number(gewachsenMiB) + " MiB"));
    }

    void destroyingTheWindowWithClientsWaitingEndsEveryConnection() {
        auto fenster = std::make_unique<TDServer>();
        fenster->EPort->setText("0");
        QTest::mouseClick(fenster->btnServer, Qt::LeftButton);
        const int port = fenster->Port();
        // The main thread runs no event loop from here on: each connection, once greeted, waits
        // for it to take the client into the list, until the window goes.
        std::vector<std::unique_ptr<TestClient>> clients;
        for (int i = 0; i < 3; ++i) {
            clients.push_back(std::make_unique<TestClient>(port));
            QCOMPARE(clients.back()->LiesZeile(), std::string("Connection Established..."));
            clients.back()->SendeZeile("Name");
        }
        fenster.reset();
        for (auto& c : clients)
            QVERIFY(c->WarteAufEnde());
        QVERIFY(Clientliste.empty());
    }
};

QTEST_MAIN(ServerFensterTest)
#include "ServerFensterTest.moc"

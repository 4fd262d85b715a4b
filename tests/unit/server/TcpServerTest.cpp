// The TCP layer over real sockets: line and integer framing, the line cap, failing steps, and
// stopping and starting again.
#include "platform/TcpServer.h"
#include "Mitschrift.h"
#include "TestClient.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

// An echo server: greets, answers each line in brackets, "int" reads an int and answers it
// minus 1, "fehler" fails the step.
class EchoServer {
public:
    EchoServer()
        : server(TcpEreignisse{[this](TcpVerbindung& v) {
                                   v.SchreibeZeile("hallo");
                                   log.Add("verbunden");
                               },
                               [](TcpVerbindung& v) {
                                   const auto zeile = v.LeseZeile();
                                   if (zeile == "int")
                                       v.SchreibeInt(v.LeseInt() - 1);
                                   else if (zeile == "fehler")
                                       throw std::runtime_error("kaputt");
                                   else
                                       v.SchreibeZeile("[" + zeile + "]");
                               },
                               [this](TcpVerbindung&) { log.Add("getrennt"); }}) {
        server.Starten(0);
    }
    Mitschrift log;
    TcpServer server;
};

TEST(TcpServer, FramesLinesAndIntegersByteByByte) {
    EchoServer echo;
    TestClient c(echo.server.Port());
    EXPECT_EQ(c.Lies(7), "hallo\r\n");

    // One byte per send: the server must assemble lines and integers across reads.
    const std::string bytes = std::string("ab\r\nc\nd\r\r\n\r\nint\n") + "\xFF\xFF\xFF\xFE";
    for (char b : bytes)
        c.Sende(std::string(1, b));
    EXPECT_EQ(c.Lies(6), "[ab]\r\n");
    EXPECT_EQ(c.Lies(5), "[c]\r\n");
    EXPECT_EQ(c.Lies(6), "[d\r]\r\n"); // only the one CR before the LF goes
    EXPECT_EQ(c.Lies(4), "[]\r\n");
    EXPECT_EQ(c.Lies(4), std::string("\xFF\xFF\xFF\xFD", 4)); // -2 - 1, most significant first

    // Everything in one segment: lines and integers share the read buffer.
    c.Sende(std::string("x\nint\n") + std::string("\x00\x01\x00\x00", 4) + "y\r\n");
    EXPECT_EQ(c.Lies(5 + 4 + 5), "[x]\r\n" + std::string("\x00\x00\xFF\xFF", 4) + "[y]\r\n");
}

TEST(TcpServer, OverlongLineOrFailedStepEndsOnlyThatConnection) {
    EchoServer echo;
    TestClient gut(echo.server.Port());
    TestClient lang(echo.server.Port());
    TestClient fehler(echo.server.Port());
    for (auto* c : {&gut, &lang, &fehler})
        c->LiesZeile();

    // A line exactly at the cap is still a line.
    const std::string grenze(TcpVerbindung::MaxZeilenlaenge, 'a');
    gut.SendeZeile(grenze);
    EXPECT_EQ(gut.LiesZeile(), "[" + grenze + "]");

    lang.Sende(std::string(TcpVerbindung::MaxZeilenlaenge + 2, 'b'));
    EXPECT_TRUE(lang.WarteAufEnde());
    fehler.SendeZeile("fehler");
    EXPECT_TRUE(fehler.WarteAufEnde());
    EXPECT_TRUE(echo.log.WarteAuf("getrennt", 2));

    gut.SendeZeile("weiter");
    EXPECT_EQ(gut.LiesZeile(), "[weiter]");
}

TEST(TcpServer, StopEndsEveryConnectionAndTheSamePortServesAgain) {
    EchoServer echo;
    const int port = echo.server.Port();
    std::vector<std::unique_ptr<TestClient>> clients;
    for (int i = 0; i < 3; ++i) {
        clients.push_back(std::make_unique<TestClient>(port));
        clients.back()->LiesZeile();
    }
    clients[0]->Sende("int\n\x00\x00"); // blocked in the middle of an integer
    ASSERT_TRUE(echo.log.WarteAuf("verbunden", 3));

    echo.server.Stoppen();
    EXPECT_FALSE(echo.server.Aktiv());
    EXPECT_EQ(echo.log.Zeilen().size(), 6u); // every Trennen ran before Stoppen returned
    EXPECT_EQ(echo.server.AnzahlVerbindungen(), 0u);
    for (auto& c : clients)
        EXPECT_TRUE(c->WarteAufEnde());
    EXPECT_THROW(TestClient{port}, std::exception);

    echo.server.Starten(port);
    ASSERT_TRUE(echo.server.Aktiv());
    EXPECT_EQ(echo.server.Port(), port);
    TestClient neu(port);
    EXPECT_EQ(neu.LiesZeile(), "hallo");
    neu.SendeZeile("wieder da");
    EXPECT_EQ(neu.LiesZeile(), "[wieder da]");
}

TEST(TcpServer, APortThatCannotBeBoundLeavesTheServerStopped) {
    EchoServer belegt;
    EchoServer zweiter;
    zweiter.server.Stoppen();
    EXPECT_THROW(zweiter.server.Starten(belegt.server.Port()), ETcpFehler);
    EXPECT_FALSE(zweiter.server.Aktiv());
    EXPECT_THROW(zweiter.server.Starten(65536), ETcpFehler);
    EXPECT_THROW(zweiter.server.Starten(-1), ETcpFehler);
    EXPECT_FALSE(zweiter.server.Aktiv());
    EXPECT_FALSE(HostName().empty());
}

TEST(TcpServer, AClientLeavingRunsTrennenOnItsOwn) {
    EchoServer echo;
    {
        TestClient c(echo.server.Port());
        c.LiesZeile();
    }
    EXPECT_TRUE(echo.log.WarteAuf("getrennt"));
    TestClient zweiter(echo.server.Port());
    EXPECT_EQ(zweiter.LiesZeile(), "hallo");
}

} // namespace

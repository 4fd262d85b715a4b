// The TCP layer over real sockets: line and integer framing, the line cap and binding.
#include "platform/TcpServer.h"
#include "Mitschrift.h"
#include "TestClient.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace {

// An echo server: greets, answers each line in brackets, "int" reads an int and answers it
// minus 1.
class EchoServer {
public:
    EchoServer()
        : server(TcpEreignisse{[](TcpVerbindung& v) { v.SchreibeZeile("hallo"); },
                               [](TcpVerbindung& v) {
                                   const auto zeile = v.LeseZeile();
                                   if (zeile == "int")
                                       v.SchreibeInt(v.LeseInt() - 1);
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

TEST(TcpServer, AnOverlongLineEndsOnlyThatConnection) {
    EchoServer echo;
    TestClient gut(echo.server.Port());
    TestClient lang(echo.server.Port());
    for (auto* c : {&gut, &lang})
        c->LiesZeile();

    // A line exactly at the cap is still a line.
    const std::string grenze(TcpVerbindung::MaxZeilenlaenge, 'a');
    gut.SendeZeile(grenze);
    EXPECT_EQ(gut.LiesZeile(), "[" + grenze + "]");

    lang.Sende(std::string(TcpVerbindung::MaxZeilenlaenge + 2, 'b'));
    EXPECT_TRUE(lang.WarteAufEnde());
    EXPECT_TRUE(echo.log.WarteAuf("getrennt"));

    // One byte over the cap, its line end in the same segment: still too long.
    TestClient knapp(echo.server.Port());
    knapp.LiesZeile();
    knapp.Sende(std::string(TcpVerbindung::MaxZeilenlaenge + 1, 'c') + "\n");
    EXPECT_TRUE(knapp.WarteAufEnde());
    EXPECT_TRUE(echo.log.WarteAuf("getrennt", 2));

    gut.SendeZeile("weiter");
    EXPECT_EQ(gut.LiesZeile(), "[weiter]");
}

TEST(TcpServer, StoppingDoesNotWaitForAPeerThatNeverReads) {
    std::atomic<bool> schreibt{false};
    Mitschrift log;
    TcpServer server(TcpEreignisse{[](TcpVerbindung&) {},
                                   [&](TcpVerbindung& v) {
                                       v.LeseZeile();
                                       // Far more than the socket buffers hold: the write blocks.
                                       v.SchreibeZeile(std::string(64 << 20, 'x'));
                                       schreibt = true;
                                       v.Senden();
                                   },
                                   [&](TcpVerbindung&) { log.Add("getrennt"); }});
    server.Starten(0);
    TestClient liestNie(server.Port());
    liestNie.SendeZeile("los");
    const auto bis = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!schreibt && std::chrono::steady_clock::now() < bis)
        std::this_thread::yield();
    ASSERT_TRUE(schreibt);
    server.Stoppen();
    EXPECT_TRUE(log.WarteAuf("getrennt", 1, std::chrono::milliseconds(0)));
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

} // namespace

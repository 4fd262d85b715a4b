#pragma once
// One accepted TCP connection as the result server uses it: lines (sent with CR LF, read up to LF
// with one CR before it removed) and 32-bit signed integers, most significant byte first.
//
// Reads and writes block and belong to the connection's own thread. Output is collected and sent
// before the next read (or by Senden), so that a reply made of many small items leaves as one
// segment instead of waiting on the peer's delayed acknowledgement. Abbrechen may be called from
// any thread: it wakes a blocked read or write, which then fails with EVerbindungGetrennt.
#include "platform/Errors.h"

#include <asio/ip/tcp.hpp>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

// The peer closed the connection, it broke, or it was shut down by the server.
class EVerbindungGetrennt : public TuvonError {
public:
    using TuvonError::TuvonError;
};

// A line is longer than MaxZeilenlaenge (its CR not counted).
class EZeileZuLang : public TuvonError {
public:
    using TuvonError::TuvonError;
};

class TcpVerbindung {
public:
    // No client sends lines this long; the cap keeps a peer from growing memory without bound.
    static constexpr size_t MaxZeilenlaenge = 64 * 1024;

    explicit TcpVerbindung(asio::ip::tcp::socket socket);
    ~TcpVerbindung();
    TcpVerbindung(const TcpVerbindung&) = delete;
    TcpVerbindung& operator=(const TcpVerbindung&) = delete;

    void SchreibeZeile(std::string_view text);
    void SchreibeInt(std::int32_t value);
    // Sends what was written so far.
    void Senden();

    std::string LeseZeile();
    std::int32_t LeseInt();

    // Shuts the connection down from any thread; blocked reads and writes return with an error.
    void Abbrechen();
    // Closes the socket; only the connection's own thread calls this.
    void Schliessen();

    // The server's object for this connection (the data slot), or nullptr.
    void* Daten = nullptr;

private:
    void Nachlesen();

    asio::ip::tcp::socket socket_;
    std::mutex schliessen_; // Abbrechen against Schliessen
    bool offen_ = true;
    std::string eingang_;
    size_t gelesen_ = 0; // bytes of eingang_ already consumed
    std::string ausgang_;
};

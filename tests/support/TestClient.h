#pragma once
// A remote client for tests: connects to 127.0.0.1 and writes and reads raw bytes, so that a test
// states the wire format byte by byte. Every read gives up after a timeout instead of hanging.
#include <asio/io_context.hpp>
#include <asio/ip/tcp.hpp>
#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

// Nothing arrived in time.
class Zeitueberschreitung : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TestClient {
public:
    explicit TestClient(int port, std::chrono::milliseconds timeout = std::chrono::seconds(20));

    void Sende(std::string_view bytes);
    void SendeZeile(std::string_view text); // text and CR LF
    void SendeInts(std::initializer_list<std::int32_t> values);

    // Exactly n bytes; throws std::runtime_error on timeout or when the server closed first.
    std::string Lies(size_t n);
    // Bytes up to and including LF, returned without CR LF; the line must end in CR LF.
    std::string LiesZeile();
    std::int32_t LiesInt();
    // True when the server closes the connection (nothing more arrives) within the timeout;
    // bytes that still arrive before the close are skipped.
    bool WarteAufEnde();
    void Schliessen();

private:
    // Runs the pending read until it completes (fehler no longer would_block) or times out.
    bool Abwarten(const asio::error_code& fehler);
    // Appends what arrives next to puffer_; throws on timeout or when the server closed.
    void Nachlesen();

    asio::io_context io_;
    asio::ip::tcp::socket socket_{io_};
    std::chrono::milliseconds timeout_;
    std::string puffer_; // received, not yet read
};

// The wire form of 32-bit integers: four bytes each, most significant first.
std::string Ints(std::initializer_list<std::int32_t> values);
// A line as the server sends it.
std::string Zeile(std::string_view text);

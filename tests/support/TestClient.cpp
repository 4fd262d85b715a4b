#include "TestClient.h"

#include <asio/connect.hpp>
#include <asio/read.hpp>
#include <asio/write.hpp>
#include <stdexcept>

TestClient::TestClient(int port, std::chrono::milliseconds timeout) : timeout_(timeout) {
    socket_.connect({asio::ip::make_address_v4("127.0.0.1"), static_cast<unsigned short>(port)});
    socket_.set_option(asio::ip::tcp::no_delay(true));
}

void TestClient::Sende(std::string_view bytes) {
    asio::write(socket_, asio::buffer(bytes));
}

void TestClient::SendeZeile(std::string_view text) {
    Sende(std::string(text) + "\r\n");
}

void TestClient::SendeInts(std::initializer_list<std::int32_t> values) {
    Sende(Ints(values));
}

bool TestClient::Abwarten(const asio::error_code& fehler) {
    io_.restart();
    io_.run_for(timeout_);
    if (fehler != asio::error::would_block)
        return true;
    socket_.cancel();
    io_.restart();
    io_.run();
    return false;
}

void TestClient::Nachlesen() {
    char block[4096];
    asio::error_code fehler = asio::error::would_block;
    size_t n = 0;
    socket_.async_read_some(asio::buffer(block), [&](asio::error_code ec, size_t anzahl) {
        fehler = ec;
        n = anzahl;
    });
    if (!Abwarten(fehler))
        throw Zeitueberschreitung("Zeitüberschreitung; bisher empfangen: " + puffer_);
    if (fehler)
        throw std::runtime_error("Verbindung beendet: " + fehler.message());
    puffer_.append(block, n);
}

std::string TestClient::Lies(size_t n) {
    while (puffer_.size() < n)
        Nachlesen();
    std::string data = puffer_.substr(0, n);
    puffer_.erase(0, n);
    return data;
}

std::string TestClient::LiesZeile() {
    size_t lf;
    while ((lf = puffer_.find('\n')) == std::string::npos)
        Nachlesen();
    std::string zeile = Lies(lf + 1);
    if (zeile.size() < 2 || zeile[zeile.size() - 2] != '\r')
        throw std::runtime_error("Zeile ohne CR LF: " + zeile);
    return zeile.substr(0, zeile.size() - 2);
}

std::int32_t TestClient::LiesInt() {
    const std::string b = Lies(4);
    std::uint32_t u = 0;
    for (char c : b)
        u = (u << 8) | static_cast<unsigned char>(c);
    return static_cast<std::int32_t>(u);
}

bool TestClient::WarteAufEnde() {
    try {
        for (;;) {
            Nachlesen();
            puffer_.clear();
        }
    } catch (const Zeitueberschreitung&) {
        return false;
    } catch (const std::runtime_error&) {
        return true;
    }
}

void TestClient::Schliessen() {
    asio::error_code ec;
    socket_.shutdown(asio::socket_base::shutdown_both, ec);
    socket_.close(ec);
}

std::string Ints(std::initializer_list<std::int32_t> values) {
    std::string bytes;
    for (auto v : values) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += static_cast<char>((u >> shift) & 0xFF);
    }
    return bytes;
}

std::string Zeile(std::string_view text) {
    return std::string(text) + "\r\n";
}

#include "platform/TcpVerbindung.h"

#include <asio/read.hpp>
#include <asio/write.hpp>

TcpVerbindung::TcpVerbindung(asio::ip::tcp::socket socket) : socket_(std::move(socket)) {
    asio::error_code ec;
    // Replies are flushed whole before each read; nothing is gained by holding segments back.
    socket_.set_option(asio::ip::tcp::no_delay(true), ec);
}

TcpVerbindung::~TcpVerbindung() {
    Schliessen();
}

void TcpVerbindung::SchreibeZeile(std::string_view text) {
    ausgang_.append(text);
    ausgang_.append("\r\n");
}

void TcpVerbindung::SchreibeInt(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const char bytes[4] = {static_cast<char>(u >> 24), static_cast<char>(u >> 16),
                           static_cast<char>(u >> 8), static_cast<char>(u)};
    ausgang_.append(bytes, 4);
}

void TcpVerbindung::Senden() {
    if (ausgang_.empty())
        return;
    asio::error_code ec;
    asio::write(socket_, asio::buffer(ausgang_), ec);
    ausgang_.clear();
    if (ec)
        throw EVerbindungGetrennt("Verbindung getrennt: " + ec.message());
}

void TcpVerbindung::Nachlesen() {
    Senden();
    if (gelesen_ == eingang_.size()) {
        eingang_.clear();
        gelesen_ = 0;
    } else if (gelesen_ > MaxZeilenlaenge) {
        eingang_.erase(0, gelesen_);
        gelesen_ = 0;
    }
    char block[4096];
    asio::error_code ec;
    const size_t n = socket_.read_some(asio::buffer(block), ec);
    if (ec)
        throw EVerbindungGetrennt("Verbindung getrennt: " + ec.message());
    eingang_.append(block, n);
}

namespace {

EZeileZuLang ZuLang() {
    return EZeileZuLang("Zeile länger als " + std::to_string(TcpVerbindung::MaxZeilenlaenge) +
                        " Bytes");
}

} // namespace

std::string TcpVerbindung::LeseZeile() {
    size_t suchAb = gelesen_;
    for (;;) {
        const size_t lf = eingang_.find('\n', suchAb);
        if (lf != std::string::npos) {
            size_t ende = lf;
            if (ende > gelesen_ && eingang_[ende - 1] == '\r')
                --ende;
            // The line end may come in the same read as the bytes that pass the cap.
            if (ende - gelesen_ > MaxZeilenlaenge)
                throw ZuLang();
            std::string zeile = eingang_.substr(gelesen_, ende - gelesen_);
            gelesen_ = lf + 1;
            return zeile;
        }
        // One more byte than the cap is allowed: the CR of a line exactly at the cap.
        if (eingang_.size() - gelesen_ > MaxZeilenlaenge + 1)
            throw ZuLang();
        const size_t geprueft = eingang_.size() - gelesen_; // Nachlesen may move the data
        Nachlesen();
        suchAb = gelesen_ + geprueft;
    }
}

std::int32_t TcpVerbindung::LeseInt() {
    while (eingang_.size() - gelesen_ < 4)
        Nachlesen();
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u = (u << 8) | static_cast<unsigned char>(eingang_[gelesen_ + i]);
    gelesen_ += 4;
    return static_cast<std::int32_t>(u);
}

void TcpVerbindung::Abbrechen() {
    std::lock_guard lock(schliessen_);
    if (!offen_)
        return;
    asio::error_code ec;
    socket_.shutdown(asio::socket_base::shutdown_both, ec);
}

void TcpVerbindung::Schliessen() {
    std::lock_guard lock(schliessen_);
    if (!offen_)
        return;
    offen_ = false;
    asio::error_code ec;
    socket_.shutdown(asio::socket_base::shutdown_both, ec);
    socket_.close(ec);
}

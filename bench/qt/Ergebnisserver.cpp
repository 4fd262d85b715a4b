// The result server under load, as the program runs it: the server window shown, with its
// serialiser on the main thread's Qt event loop and its log filling. N clients loop "Hole" and
// "Sende" on their own games; beside them one client never speaks, one sends a byte per second
// and, in the flood runs, one sends lines of 64 KiB as fast as it can. Reported per run: requests
// per second, the 50th and 99th percentile of a request's round trip, the longest stall of the
// main thread's event loop (the largest gap between ticks of a 1 ms timer) and how much the
// process's resident memory grew.
#include "Speicher.h"
#include "core/Paarungen.h"
#include "core/Siegpunktmatrix.h"
#include "server/qt/DlgServer.h"
#include "translation/Translate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <mutex>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

constexpr int Spiele = 500;
constexpr auto Laufzeit = std::chrono::seconds(3);

// A blocking loopback client whose reads give up after 10 s, so that a stuck server ends the
// run instead of hanging it.
class Client {
public:
    explicit Client(int port) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        timeval tv{10, 0};
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        int eins = 1;
        ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &eins, sizeof eins);
        sockaddr_in adresse{};
        adresse.sin_family = AF_INET;
        adresse.sin_port = htons(static_cast<uint16_t>(port));
        adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ok_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0;
    }
    ~Client() { ::close(fd_); }
    bool Ok() const { return ok_; }

    bool Sende(const std::string& bytes) {
        size_t weg = 0;
        while (weg < bytes.size()) {
            const ssize_t n = ::send(fd_, bytes.data() + weg, bytes.size() - weg, MSG_NOSIGNAL);
            if (n <= 0)
                return ok_ = false;
            weg += static_cast<size_t>(n);
        }
        return true;
    }
    // Reads until n bytes are at hand; false on timeout or close.
    bool Brauche(size_t n) {
        while (puffer_.size() - pos_ < n) {
            char block[4096];
            const ssize_t got = ::recv(fd_, block, sizeof block, 0);
            if (got <= 0)
                return ok_ = false;
            puffer_.append(block, static_cast<size_t>(got));
        }
        return true;
    }
    int32_t Int() {
        if (!Brauche(4))
            return 0;
        uint32_t u = 0;
        for (int i = 0; i < 4; ++i)
            u = (u << 8) | static_cast<unsigned char>(puffer_[pos_ + i]);
        pos_ += 4;
        Verdichten();
        return static_cast<int32_t>(u);
    }
    void Zeile() {
        size_t lf;
        while ((lf = puffer_.find('\n', pos_)) == std::string::npos)
            if (!Brauche(puffer_.size() - pos_ + 1))
                return;
        pos_ = lf + 1;
        Verdichten();
    }

private:
    void Verdichten() {
        if (pos_ == puffer_.size()) {
            puffer_.clear();
            pos_ = 0;
        }
    }
    int fd_ = -1;
    bool ok_ = false;
    std::string puffer_;
    size_t pos_ = 0;
};

std::string Ints(std::initializer_list<int32_t> werte) {
    std::string b;
    for (int32_t w : werte) {
        const auto u = static_cast<uint32_t>(w);
        for (int s = 24; s >= 0; s -= 8)
            b += static_cast<char>((u >> s) & 0xFF);
    }
    return b;
}

// One "Hole" and its whole reply.
bool Hole(Client& c, int n) {
    c.Sende("Hole\r\n" + Ints({n}));
    c.Zeile();
    if (c.Int() == 1 && c.Int() == 1) {
        const int zeilen = c.Int();
        for (int i = 0; i < 4 * zeilen; ++i)
            c.Int();
    }
    if (c.Int() == 1) {
        c.Int();
        c.Int();
    }
    if (c.Int() == 1) {
        c.Zeile();
        c.Zeile();
        for (int i = 0; i < 10; ++i)
            c.Int();
    }
    return c.Ok();
}

// One "Sende"; its acknowledgement leaves once the result is stored.
bool Sende(Client& c, int n, int wert) {
    c.Sende("Sende\r\n" + Ints({n, 0, wert, 0, 20, 0, 1, 1, 0, 0}));
    c.Zeile();
    return c.Ok();
}

void BaueTurnier() {
    InitTranslator();
    Spielerliste.clear();
    for (int s = 1; s <= 2 * Spiele; ++s) {
        Spielerliste.push_back(std::make_unique<TSpieler>());
        auto& sp = *Spielerliste.back();
        sp.Startnummer = s;
        sp.Vorname = "Vorname";
        sp.Name = "Spieler " + std::to_string(s);
        sp.SetGegner(1, s % 2 ? s + 1 : s - 1);
        sp.SetTisch(1, (s + 1) / 2);
    }
    AktuellerSpieltag = 1;
    ErstellePaarungsliste();
    InitSiegpunktmatrix();
    SiegpunktmatrixBenutzen = true;
}

void BM_Ergebnisserver(benchmark::State& state) {
    const int anzahl = static_cast<int>(state.range(0));
    const bool flut = state.range(1) != 0;
    BaueTurnier();
    TDServer fenster;
    fenster.show();
    fenster.EPort->setText("0");
    fenster.btnServer->click();
    const int port = fenster.Port();
    if (port == 0) {
        state.SkipWithError("server did not start");
        return;
    }

    for (auto _ : state) {
        std::atomic<bool> ende{false};
        std::atomic<int> fertig{0};
        std::atomic<int> fehler{0};
        std::mutex m;
        std::vector<double> latenzen; // microseconds
        std::vector<std::thread> threads;

        // The silent client and the slow one.
        Client still(port);
        threads.emplace_back([&] {
            Client langsam(port);
            const std::string anfrage = "Hole\r\n" + Ints({1});
            for (size_t i = 0; i < anfrage.size() && !ende; ++i) {
                langsam.Sende(anfrage.substr(i, 1));
                const auto bis = Uhr::now() + std::chrono::seconds(1);
                while (!ende && Uhr::now() < bis)
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });

        const long speicherVorher = ResidentKiB();
        std::atomic<long> speicherSpitze{speicherVorher};
        if (flut)
            threads.emplace_back([&] {
                Client c(port);
                c.Zeile();
                c.Sende("Flut\r\n");
                const std::string zeile = std::string(64 * 1024 - 1, 'x') + "\r\n";
                while (!ende && c.Sende(zeile))
                    speicherSpitze = std::max(speicherSpitze.load(), ResidentKiB());
            });

        const auto start = Uhr::now();
        for (int k = 0; k < anzahl; ++k)
            threads.emplace_back([&, k] {
                Client c(port);
                std::vector<double> eigene;
                eigene.reserve(1 << 16);
                if (c.Ok()) {
                    c.Zeile();
                    c.Sende("Bench " + std::to_string(k) + "\r\n");
                }
                const int n = 2 * (k % Spiele) + 1;
                for (int j = 0; c.Ok() && Uhr::now() - start < Laufzeit; ++j) {
                    const auto t0 = Uhr::now();
                    const bool ok = j % 2 ? Sende(c, n, j) : Hole(c, n);
                    if (!ok)
                        break;
                    eigene.push_back(
                        std::chrono::duration<double, std::micro>(Uhr::now() - t0).count());
                }
                if (!c.Ok())
                    ++fehler;
                std::lock_guard lock(m);
                latenzen.insert(latenzen.end(), eigene.begin(), eigene.end());
                ++fertig;
            });

        // The main thread serves the event loop, as in the program, and watches its own stalls.
        QEventLoop schleife;
        QElapsedTimer seitTick;
        seitTick.start();
        qint64 laengsterStau = 0;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            laengsterStau = std::max(laengsterStau, seitTick.restart());
            if (fertig == anzahl)
                schleife.quit();
        });
        tick.start(1);
        schleife.exec();
        tick.stop();
        const double sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
        ende = true;
        for (auto& t : threads)
            t.join();

        std::sort(latenzen.begin(), latenzen.end());
        auto perzentil = [&](double p) {
            return latenzen.empty() ? 0.0
                                    : latenzen[static_cast<size_t>(p * (latenzen.size() - 1))];
        };
        state.SetIterationTime(sekunden);
        state.counters["req_per_s"] = static_cast<double>(latenzen.size()) / sekunden;
        state.counters["p50_us"] = perzentil(0.50);
        state.counters["p99_us"] = perzentil(0.99);
        state.counters["max_us"] = latenzen.empty() ? 0.0 : latenzen.back();
        state.counters["stall_ms"] = static_cast<double>(laengsterStau);
        state.counters["errors"] = fehler.load();
        state.counters["rss_growth_mb"] =
            static_cast<double>(std::max(speicherSpitze.load(), ResidentKiB()) - speicherVorher) /
            1024;
    }
    fenster.btnServer->click();
}

BENCHMARK(BM_Ergebnisserver)
    ->ArgNames({"clients", "flood"})
    ->Args({10, 0})
    ->Args({100, 0})
    ->Args({500, 0})
    ->Args({100, 1})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#pragma once
// The server log's lines on their way from any thread to the window, bounded so that a client
// flooding long lines or a busy server can neither grow memory without limit nor stall the main
// loop:
//   - a line longer than MaxZeichen characters keeps its first MaxZeichen and ends in
//     " ... (N more characters)";
//   - of the lines not yet shown, only the most recent MaxAusstehend are kept; the older ones are
//     replaced by one line "... N lines not shown" when the rest is shown;
//   - the window shows what arrived at most every AusgabeAbstandMs milliseconds, and keeps the
//     most recent MaxZeilen lines, dropping the oldest.
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>

class Logpuffer {
public:
    static constexpr std::size_t MaxZeichen = 200;
    static constexpr std::size_t MaxAusstehend = 200;
    static constexpr std::size_t MaxZeilen = 1000;
    static constexpr int AusgabeAbstandMs = 100;

    // Takes a line from any thread; true when it is the first line since the last Nimm.
    bool Hinzufuegen(std::string zeile);
    // The lines taken since the last call, oldest first, joined by LF ("" when none).
    std::string Nimm();

    // The line as it is kept: cut to MaxZeichen characters with the note of what was cut.
    static std::string Gekuerzt(std::string zeile);

private:
    std::mutex mutex_;
    std::deque<std::string> zeilen_;
    std::size_t verworfen_ = 0;
};

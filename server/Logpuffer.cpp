#include "server/Logpuffer.h"

std::string Logpuffer::Gekuerzt(std::string zeile) {
    if (zeile.size() <= MaxZeichen)
        return zeile;
    const std::size_t weg = zeile.size() - MaxZeichen;
    zeile.resize(MaxZeichen);
    return zeile + " ... (" + std::to_string(weg) + " more characters)";
}

bool Logpuffer::Hinzufuegen(std::string zeile) {
    std::string kurz = Gekuerzt(std::move(zeile));
    std::lock_guard lock(mutex_);
    const bool erste = zeilen_.empty() && verworfen_ == 0;
    if (zeilen_.size() == MaxAusstehend) {
        zeilen_.pop_front();
        ++verworfen_;
    }
    zeilen_.push_back(std::move(kurz));
    return erste;
}

std::string Logpuffer::Nimm() {
    std::deque<std::string> zeilen;
    std::size_t verworfen = 0;
    {
        std::lock_guard lock(mutex_);
        zeilen.swap(zeilen_);
        std::swap(verworfen, verworfen_);
    }
    if (verworfen > 0)
        zeilen.push_front("... " + std::to_string(verworfen) + " lines not shown");
    std::string text;
    for (const auto& z : zeilen) {
        if (&z != &zeilen.front())
            text += '\n';
        text += z;
    }
    return text;
}

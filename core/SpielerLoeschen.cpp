#include "core/SpielerLoeschen.h"

#include "core/Data.h"

bool LoescheSpielerNachName(const std::string& name) {
    const int index = FindeSpielerNachName(name);
    if (index < 0)
        return false;
    Spielerliste.erase(Spielerliste.begin() + index);
    return true;
}

void LoescheNichtGemeldete() {
    std::erase_if(Spielerliste, [](const auto& s) { return !s->Gemeldet; });
}

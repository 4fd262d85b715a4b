#include "Spielerbau.h"

TSpieler& SpielerAnlegen(int nummer, std::string_view vorname, std::string_view name) {
    auto& s = *Spielerliste.emplace_back(std::make_unique<TSpieler>());
    s.Startnummer = nummer;
    s.Vorname = vorname;
    s.Name = name;
    return s;
}

void SpielPaaren(int r, int a, int b, int tisch) {
    for (auto [selbst, gegner] : {std::pair{a, b}, std::pair{b, a}}) {
        TSpieler* s = FindeSpieler(selbst);
        s->SetGegner(r, gegner);
        s->SetTisch(r, tisch);
    }
}

std::vector<int> RundenWerte(const TSpieler& s, int r) {
    return {s.GetGegner(r), s.GetSiegpunkte(r), s.GetPunkte(r), s.GetFairplay(r),
            s.GetSzenariopunkte(r)};
}

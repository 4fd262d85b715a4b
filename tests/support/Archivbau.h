#pragma once
// Archive persons and their stored tournaments, built by hand for tests.
#include "archive/Spielerarchiv.h"

#include <memory>
#include <string>
#include <vector>

// A new person at the end of the archive; its id is its position.
inline TPerson& NeuePerson(const std::string& name) {
    auto& person = *Archiv.Personen.emplace_back(std::make_unique<TPerson>());
    person.Name = name;
    person.Id = static_cast<int>(Archiv.Personen.size()) - 1;
    return person;
}

// A stored tournament of the person with the points of its rounds.
inline void NeuesTurnier(TPerson& person, int platz, int punkte, std::vector<int> ergebnisse) {
    auto& turnier = *person.Turniere.emplace_back(std::make_unique<TTurnier>());
    turnier.Platz = platz;
    turnier.Punkte = punkte;
    turnier.Runden = static_cast<int>(ergebnisse.size());
    std::copy(ergebnisse.begin(), ergebnisse.end(), turnier.Ergebnis.begin());
}

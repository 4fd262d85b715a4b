#pragma once
// Builds team members for the team tournament tests.
#include "CoreState.h"
#include "Testaufbau.h"
#include "core/Teamturnier.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace teamfabrik {

// Appends a player of that team at that member slot.
inline TSpieler& Mitglied(int nummer, const std::string& team, int teamNr) {
    TSpieler& s = testaufbau::NeuerSpieler(nummer);
    s.Team = team;
    s.TeamNr = teamNr;
    return s;
}

// The team of that name; throws when there is none.
inline TTTTeam& Team(const std::string& name) {
    const int index = FindeTeam(name);
    if (index < 0)
        throw std::runtime_error("no team " + name);
    return *Teamliste[static_cast<size_t>(index)];
}

inline std::string TeamNamen() {
    std::string namen;
    for (const auto& t : Teamliste)
        namen += t->Name.str() + "|";
    return namen;
}

// Members numbered 1, 2, ... in this order, each given as team and slot; then the teams are read
// and prepared for a pairing run.
inline void Aufstellung(const std::vector<std::pair<std::string, int>>& mitglieder) {
    int nummer = 1;
    for (const auto& [team, platz] : mitglieder)
        Mitglied(nummer++, team, platz);
    ErstelleTeampaarungen();
    VorbereitenTeampaarung();
}

// Teams A, B, C, D with one member each at slot 1 (start numbers 1 to 4); in round 1 A played B
// at table 1 and C played D at table 2.
inline void ErsteRundeABCD() {
    Aufstellung({{"A", 1}, {"B", 1}, {"C", 1}, {"D", 1}});
    testaufbau::Spiel(*FindeSpieler(1), *FindeSpieler(2), 1, 0, 0, 0, 0, 1);
    testaufbau::Spiel(*FindeSpieler(3), *FindeSpieler(4), 1, 0, 0, 0, 0, 2);
}

// A team tournament on fresh state.
class TeamTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCoreState();
        Teamturnier = true;
    }
    void TearDown() override { ResetCoreState(); }
};

} // namespace teamfabrik

#include "core/Teampunkte.h"

#include "CoreState.h"

#include <gtest/gtest.h>

namespace {

TTeampunkte& Neu(TObjectList<TTeampunkte>& liste, const char* name, int summeGesamt, int anzahl) {
    liste.push_back(std::make_unique<TTeampunkte>());
    auto& t = *liste.back();
    t.Name = name;
    t.SummeGesamt = summeGesamt;
    t.Anzahl = anzahl;
    return t;
}

std::string Namen(const TObjectList<TTeampunkte>& liste) {
    std::string namen;
    for (const auto& t : liste)
        namen += t->Name.str() + " ";
    return namen;
}

} // namespace

TEST(Teampunkte, AveragesEverySumToTwoDecimalsWithHalvesToEven) {
    TTeampunkte t;
    t.Anzahl = 8;
    t.SummeSonstiges = 1;                  // 0.125 -> 0.12
    t.SummeGesamt = 3;                     // 0.375 -> 0.38
    t.SummePunkte = 5;                     // 0.625 -> 0.62
    t.SummeFairplay = 7;                   // 0.875 -> 0.88
    t.SummeBemalung = 16;                  // 2
    t.SummeQuiz = -3;                      // -0.375 -> -0.38
    t.SummeArmee = 81;                     // 10.125 -> 10.12
    t.SummeDifferenz = -1;                 // -0.125 -> -0.12
    for (int lauf = 0; lauf < 2; ++lauf) { // a second run on the same sums changes nothing
        t.BerechneDurchschnitt();
        EXPECT_DOUBLE_EQ(t.Sonstiges, 0.12);
        EXPECT_DOUBLE_EQ(t.Gesamt, 0.38);
        EXPECT_DOUBLE_EQ(t.Punkte, 0.62);
        EXPECT_DOUBLE_EQ(t.Fairplay, 0.88);
        EXPECT_DOUBLE_EQ(t.Bemalung, 2.0);
        EXPECT_DOUBLE_EQ(t.Quiz, -0.38);
        EXPECT_DOUBLE_EQ(t.Armee, 10.12);
        EXPECT_DOUBLE_EQ(t.Differenz, -0.12);
    }
    TTeampunkte leer; // no players: no division by zero
    leer.SummeGesamt = 10;
    leer.BerechneDurchschnitt();
    EXPECT_EQ(leer.Gesamt, 0.0);
}

TEST(Teampunkte, RanksByAverageThenCountAndSumsTeamsInATeamTournament) {
    ResetCoreState();
    for (bool team : {false, true}) {
        Teamturnier = team;
        Ortswertung.clear(), Teamwertung.clear(), Armeewertung.clear();
        Neu(Ortswertung, "Nord", 30, 3); // 10
        Neu(Ortswertung, "Sued", 22, 2); // 11
        Neu(Ortswertung, "West", 10, 1); // 10, fewer players than Nord
        Neu(Teamwertung, "Alpha", 30, 3).SummeDifferenz = -7;
        Neu(Teamwertung, "Beta", 12, 1);
        Neu(Armeewertung, "Orks", 5, 2);  // 2.5
        Neu(Armeewertung, "Elfen", 7, 2); // 3.5
        BerechneTeampunkte();
        EXPECT_EQ(Namen(Ortswertung), "Sued Nord West ");
        EXPECT_EQ(Namen(Armeewertung), "Elfen Orks ");
        EXPECT_DOUBLE_EQ(Armeewertung[1]->Gesamt, 2.5);
        // Teams: averages 10 and 12, or in a team tournament the sums 30 and 12.
        EXPECT_EQ(Namen(Teamwertung), team ? "Alpha Beta " : "Beta Alpha ");
        const TTeampunkte& alpha = *Teamwertung[team ? 0 : 1];
        EXPECT_DOUBLE_EQ(alpha.Gesamt, team ? 30.0 : 10.0);
        EXPECT_DOUBLE_EQ(alpha.Differenz, team ? -7.0 : -2.33);
        EXPECT_EQ(alpha.Anzahl, 3);
    }
    ResetCoreState();
}

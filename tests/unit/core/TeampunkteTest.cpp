#include "core/Teampunkte.h"

#include "CoreState.h"

#include <gtest/gtest.h>

namespace {

class TeampunkteTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }
};

TTeampunkte& Neu(TObjectList<TTeampunkte>& liste, const char* name, int summeGesamt, int anzahl) {
    liste.push_back(std::make_unique<TTeampunkte>());
    auto& t = *liste.back();
    t.Name = name;
    t.SummeGesamt = summeGesamt;
    t.Anzahl = anzahl;
    return t;
}

std::vector<std::string> Namen(const TObjectList<TTeampunkte>& liste) {
    std::vector<std::string> namen;
    for (const auto& t : liste)
        namen.push_back(t->Name.str());
    return namen;
}

} // namespace

TEST_F(TeampunkteTest, AveragesEverySumToTwoDecimalsWithHalvesToEven) {
    TTeampunkte t;
    t.Anzahl = 8;
    t.SummeSonstiges = 1;  // 0.125 -> 0.12
    t.SummeGesamt = 3;     // 0.375 -> 0.38
    t.SummePunkte = 5;     // 0.625 -> 0.62
    t.SummeFairplay = 7;   // 0.875 -> 0.88
    t.SummeBemalung = 16;  // 2
    t.SummeQuiz = -3;      // -0.375 -> -0.38
    t.SummeArmee = 81;     // 10.125 -> 10.12
    t.SummeDifferenz = -1; // -0.125 -> -0.12
    t.BerechneDurchschnitt();
    EXPECT_DOUBLE_EQ(t.Sonstiges, 0.12);
    EXPECT_DOUBLE_EQ(t.Gesamt, 0.38);
    EXPECT_DOUBLE_EQ(t.Punkte, 0.62);
    EXPECT_DOUBLE_EQ(t.Fairplay, 0.88);
    EXPECT_DOUBLE_EQ(t.Bemalung, 2.0);
    EXPECT_DOUBLE_EQ(t.Quiz, -0.38);
    EXPECT_DOUBLE_EQ(t.Armee, 10.12);
    EXPECT_DOUBLE_EQ(t.Differenz, -0.12);
    EXPECT_EQ(t.Anzahl, 8);

    // A second run on the same sums changes nothing.
    t.BerechneDurchschnitt();
    EXPECT_DOUBLE_EQ(t.Gesamt, 0.38);
    EXPECT_DOUBLE_EQ(t.Armee, 10.12);

    TTeampunkte drittel;
    drittel.Anzahl = 3;
    drittel.SummeGesamt = 2;
    drittel.BerechneDurchschnitt();
    EXPECT_DOUBLE_EQ(drittel.Gesamt, 0.67);
}

TEST_F(TeampunkteTest, EmptyAggregateAveragesToZeroInsteadOfDividingByZero) {
    TTeampunkte t;
    t.SummeGesamt = 10;
    t.SummeQuiz = 4;
    t.BerechneDurchschnitt();
    EXPECT_EQ(t.Gesamt, 0.0);
    EXPECT_EQ(t.Quiz, 0.0);
    EXPECT_EQ(t.Differenz, 0.0);
}

TEST_F(TeampunkteTest, RanksAveragesOutsideATeamTournament) {
    Neu(Ortswertung, "Nord", 30, 3);  // 10
    Neu(Ortswertung, "Sued", 22, 2);  // 11
    Neu(Ortswertung, "West", 10, 1);  // 10, fewer players than Nord
    Neu(Teamwertung, "Alpha", 30, 3); // 10
    Neu(Teamwertung, "Beta", 12, 1);  // 12
    Neu(Armeewertung, "Orks", 5, 2);  // 2.5
    Neu(Armeewertung, "Elfen", 7, 2); // 3.5
    BerechneTeampunkte();

    EXPECT_EQ(Namen(Ortswertung), (std::vector<std::string>{"Sued", "Nord", "West"}));
    EXPECT_DOUBLE_EQ(Ortswertung[0]->Gesamt, 11.0);
    EXPECT_EQ(Namen(Teamwertung), (std::vector<std::string>{"Beta", "Alpha"}));
    EXPECT_DOUBLE_EQ(Teamwertung[1]->Gesamt, 10.0);
    EXPECT_EQ(Namen(Armeewertung), (std::vector<std::string>{"Elfen", "Orks"}));
    EXPECT_DOUBLE_EQ(Armeewertung[1]->Gesamt, 2.5);
}

TEST_F(TeampunkteTest, TeamTournamentRanksTeamSumsButStillAveragesOriginsAndArmies) {
    Teamturnier = true;
    Neu(Teamwertung, "Alpha", 30, 3).SummeDifferenz = -7;
    Neu(Teamwertung, "Beta", 12, 1);
    Neu(Ortswertung, "Nord", 30, 3);
    Neu(Armeewertung, "Orks", 5, 2);
    BerechneTeampunkte();

    EXPECT_EQ(Namen(Teamwertung), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_DOUBLE_EQ(Teamwertung[0]->Gesamt, 30.0);
    EXPECT_DOUBLE_EQ(Teamwertung[0]->Differenz, -7.0);
    EXPECT_EQ(Teamwertung[0]->Anzahl, 3);
    EXPECT_DOUBLE_EQ(Ortswertung[0]->Gesamt, 10.0);
    EXPECT_DOUBLE_EQ(Armeewertung[0]->Gesamt, 2.5);
}

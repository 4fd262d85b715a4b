#include "core/PaarungsEngine.h"

#include "CoreState.h"
#include "RecordingMessages.h"
#include "Testaufbau.h"
#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

using namespace testaufbau;

namespace {

class PaarungsEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCoreState();
        for (bool* regel : {&GleicheArmeenBeachten, &KeinePaarungenMehrfach, &GleicheOrteBeachten,
                            &NurNMalGegenArmee, &GleicheTeamsBeachten})
            *regel = false;
    }
    void TearDown() override { ResetCoreState(); }

    // Players W, X, Y, Z, ... in this standings order (totals falling).
    void Feld(int anzahl) {
        for (int k = 0; k < anzahl; ++k) {
            TSpieler& s = NeuerSpieler(k + 1, std::string(1, "WXYZABCDEFGH"[k % 12]));
            s.Gesamtwertung = 100 - k;
            s.Armee = "Armee" + std::to_string(k);
        }
    }

    TSpieler& S(int index) { return *Spielerliste[static_cast<size_t>(index)]; }

    // Pairs from the first free player; "WX YZ" lists the pairs by surname, or "-" on failure.
    std::string Paare() {
        int start = 0;
        while (start < static_cast<int>(Spielerliste.size()) && S(start).Gepaart)
            ++start;
        if (!PaareRekursiv(start))
            return "-";
        std::string text;
        for (int i = 0; i < static_cast<int>(Spielerliste.size()); ++i)
            if (S(i).Partner > i)
                text += (text.empty() ? "" : " ") + S(i).Name.str() + S(S(i).Partner).Name.str();
        return text;
    }

    std::string Zaehler() {
        std::string text;
        for (const int v : Verstoesse)
            text += std::to_string(v);
        return text;
    }
};

} // namespace

TEST_F(PaarungsEngineTest, PreparationResetsWorkingFieldsAndAppliesNeutralListsWithoutCase) {
    Feld(3);
    S(0).Herkunft = "Halven";
    S(0).Team = "Rot";
    S(0).Armee = Utf8ToCp1252("Zwölf");
    S(1).Herkunft = "Brem";
    S(1).Geloescht = true;
    S(1).Partner = 0;
    S(2).Gepaart = true;
    S(2).Gesamtwertung = 500;
    OrteNeutral = {"HALVEN"};
    TeamsNeutral = {"rot "};
    ArmeenNeutral = {Utf8ToCp1252("ZWÖLF")};
    Verstoesse[3] = 2;

    VorbereitenPaarung();

    EXPECT_EQ(Zaehler(), "00000");
    EXPECT_EQ(S(0).Name.str(), "Y") << "sorted into standings order";
    EXPECT_EQ(S(0).Platz, 1);
    EXPECT_FALSE(S(0).Gepaart);
    const TSpieler& w = *Spielerliste[1];
    EXPECT_EQ(w.PaarungsHerkunft.str(), "Neutral");
    EXPECT_EQ(w.PaarungsTeam.str(), "Rot") << "only an equal entry makes a value neutral";
    EXPECT_EQ(w.PaarungsArmee.str(), "Neutral") << "umlauts compare without case too";
    const TSpieler& x = *Spielerliste[2];
    EXPECT_TRUE(x.Gepaart) << "deleted players count as paired";
    EXPECT_EQ(x.Partner, -1);
    EXPECT_EQ(x.PaarungsHerkunft.str(), "Brem");
}

TEST_F(PaarungsEngineTest, PairsInStandingsOrderAndRevisesOnlyWhatMust) {
    Feld(4);
    EXPECT_EQ(Paare(), "WX YZ");
    EXPECT_EQ(Zaehler(), "00000");
}

TEST_F(PaarungsEngineTest, RepeatedPairsCountAgainstTheToleranceOfTheWholeRound) {
    // games: pairs of indexes that met in round 1
    auto runde = [this](std::initializer_list<std::pair<int, int>> spiele, int toleranz) {
        SetUp();
        Feld(4);
        KeinePaarungenMehrfach = true;
        Toleranzen[1] = toleranz;
        for (const auto& [a, b] : spiele)
            Spiel(S(a), S(b), 1, 0, 0);
        AktuellerSpieltag = 2;
        const std::string paare = Paare();
        return paare + " / " + Zaehler();
    };
    EXPECT_EQ(runde({{0, 1}}, 0), "WY XZ / 00000");
    EXPECT_EQ(runde({{0, 1}}, 1), "WX YZ / 01000");
    // W-X fits the tolerance of 1, but Y-Z would be a second repeat: W-X is revised.
    EXPECT_EQ(runde({{0, 1}, {2, 3}}, 1), "WY XZ / 00000");
    EXPECT_EQ(runde({{0, 1}, {2, 3}}, 2), "WX YZ / 02000");
    // Only the earlier rounds count: a game already entered for the round being paired does not.
    SetUp();
    Feld(4);
    KeinePaarungenMehrfach = true;
    Spiel(S(0), S(1), 2, 0, 0);
    AktuellerSpieltag = 2;
    EXPECT_EQ(Paare(), "WX YZ");
}

TEST_F(PaarungsEngineTest, ArmyOriginAndTeamRules) {
    // Same army: the better-placed player's army decides whether it counts as neutral, trimmed.
    Feld(4);
    GleicheArmeenBeachten = true;
    S(0).Armee = S(1).Armee = "Orks";
    S(0).PaarungsArmee = S(1).PaarungsArmee = "Orks";
    EXPECT_EQ(Paare(), "WY XZ");
    SetUp();
    Feld(4);
    GleicheArmeenBeachten = true;
    S(0).Armee = S(1).Armee = " Neutral\t";
    VorbereitenPaarung();
    EXPECT_EQ(Paare(), "WX YZ") << "a neutral army, blanks and tabs around it, never clashes";

    // Origins and teams compare with "Neutral" exactly: a blank makes it a real origin.
    SetUp();
    Feld(4);
    GleicheOrteBeachten = true;
    GleicheTeamsBeachten = true;
    S(0).Herkunft = S(1).Herkunft = " Neutral";
    S(0).Team = S(2).Team = "Neutral";
    VorbereitenPaarung();
    EXPECT_EQ(Paare(), "WY XZ");

    // An origin written in another case than its neutral entry is neutral.
    SetUp();
    Feld(4);
    GleicheOrteBeachten = true;
    S(0).Herkunft = S(1).Herkunft = "Halven";
    OrteNeutral = {"hALVEN"};
    VorbereitenPaarung();
    EXPECT_EQ(Paare(), "WX YZ");
}

TEST_F(PaarungsEngineTest, ArmyMetTooOftenCountsFromEitherSide) {
    auto runde = [this](int wieOft, bool beiW) {
        SetUp();
        Feld(4);
        NurNMalGegenArmee = true;
        MalGegenSelbeArmee = wieOft;
        // Two earlier games of one side against X's army "Armee1".
        TSpieler& traeger = beiW ? S(0) : S(1);
        const std::string gegnerArmee = beiW ? "Armee1" : "Armee0";
        traeger.SetGegnerArmee(1, gegnerArmee);
        traeger.SetGegnerArmee(2, gegnerArmee);
        AktuellerSpieltag = 3;
        return Paare();
    };
    EXPECT_EQ(runde(2, true), "WY XZ") << "W met X's army twice";
    EXPECT_EQ(runde(2, false), "WY XZ") << "X met W's army twice";
    EXPECT_EQ(runde(3, true), "WX YZ");
    EXPECT_EQ(runde(3, false), "WX YZ");
}

TEST_F(PaarungsEngineTest, DeletedAndUnmarkedPlayersAndGroups) {
    Feld(5);
    S(1).Geloescht = true;
    S(2).Gemeldet = false;
    S(3).Bezahlt = false;
    VorbereitenPaarung();
    EXPECT_EQ(Paare(), "WY ZA") << "only the deleted player stays out";
    EXPECT_EQ(S(1).Partner, -1);

    // With groups a candidate of another group is passed over without being counted.
    SetUp();
    Feld(4);
    GruppenBeachten = true;
    KeinePaarungenMehrfach = true;
    Spiel(S(0), S(2), 1, 0, 0);
    AktuellerSpieltag = 2;
    S(0).Gruppe = S(2).Gruppe = 1;
    Toleranzen[1] = 1;
    EXPECT_EQ(Paare(), "WY XZ");
    EXPECT_EQ(Zaehler(), "01000");
}

TEST_F(PaarungsEngineTest, FailureLeavesCountersMarksAndPartnersAsTheyWere) {
    Feld(3);
    EXPECT_EQ(Paare(), "-") << "three players and no bye";
    for (const auto& s : Spielerliste) {
        EXPECT_FALSE(s->Gepaart);
        EXPECT_EQ(s->Partner, -1);
    }

    // Fixed pair W-Z, then X and Y have met: no pairing within tolerance 0.
    SetUp();
    Feld(4);
    KeinePaarungenMehrfach = true;
    Spiel(S(1), S(2), 1, 0, 0);
    AktuellerSpieltag = 2;
    S(0).Gepaart = S(3).Gepaart = true;
    S(0).Partner = 3;
    S(3).Partner = 0;
    Verstoesse[2] = 1;
    Toleranzen[2] = 1;
    EXPECT_EQ(Paare(), "-");
    EXPECT_EQ(Zaehler(), "00100");
    EXPECT_FALSE(PaarungsSucheAbgebrochen);
    EXPECT_TRUE(S(0).Gepaart);
    EXPECT_EQ(S(3).Partner, 0);
    EXPECT_FALSE(S(1).Gepaart);
    EXPECT_EQ(S(1).Partner, -1);

    // A counter already above its tolerance admits no pair at all, even of a rule that is off.
    SetUp();
    Feld(2);
    Verstoesse[4] = 1;
    EXPECT_EQ(Paare(), "-");
    EXPECT_EQ(Zaehler(), "00001");
}

TEST_F(PaarungsEngineTest, StartingAtAnotherPlayerThanTheFirstFreeOne) {
    Feld(4);
    // From X: X takes Y, then the search goes on from the first free player, W, who takes Z.
    EXPECT_TRUE(PaareRekursiv(1));
    EXPECT_EQ(S(1).Partner, 2);
    EXPECT_EQ(S(0).Partner, 3);
    EXPECT_FALSE(PaareRekursiv(-1));
    EXPECT_FALSE(PaareRekursiv(4));
}

TEST_F(PaarungsEngineTest, HistoriesWithUnknownOpponentsAndMissingRoundsAreRead) {
    Feld(4);
    KeinePaarungenMehrfach = true;
    NurNMalGegenArmee = true;
    S(0).SetGegner(1, 999);
    S(1).SetGegner(3, -1);
    AktuellerSpieltag = 9; // far beyond the stored rounds
    EXPECT_EQ(Paare(), "WX YZ");
    // Unstored rounds answer an empty army: W, without stored rounds, has met X's empty army
    // three times.
    SetUp();
    Feld(4);
    NurNMalGegenArmee = true;
    S(1).Armee = "";
    for (int r = 1; r <= 3; ++r)
        for (int k = 1; k < 4; ++k)
            S(k).SetGegnerArmee(r, "Armee9");
    AktuellerSpieltag = 4;
    EXPECT_EQ(Paare(), "WY XZ");
    PruefePaarung(0, 1);
    EXPECT_EQ(PaarVerstoesse[3], 1);
    PruefePaarung(0, 7); // no such player: nothing counted
    EXPECT_EQ(PaarVerstoesse[3], 0);
}

TEST_F(PaarungsEngineTest, GroupCheckNamesEveryOddGroupInOrderOfAppearance) {
    RecordingMessages boxen;
    Feld(6);
    S(0).Gruppe = 2;
    S(1).Gruppe = 0;
    S(2).Gruppe = 2;
    S(3).Gruppe = 5;
    S(4).Gruppe = 0;
    S(5).Gruppe = 7;
    EXPECT_FALSE(PruefeGruppen());
    ASSERT_EQ(boxen.shown.size(), 1u);
    EXPECT_EQ(boxen.shown[0].caption, "Halvener Paarungs Programm");
    EXPECT_EQ(boxen.shown[0].text,
              Utf8ToCp1252("Achtung!\r\nGruppe 5 hat eine ungerade Spieleranzahl.\r\n"
                           "Gruppe 7 hat eine ungerade Spieleranzahl.\r\n"
                           "Paaren nicht möglich!\r\n"));

    // Deleted players do not count; group 0 is a group like any other.
    S(5).Geloescht = true;
    S(3).Gruppe = 0;
    S(1).Gruppe = 2;
    EXPECT_FALSE(PruefeGruppen());
    EXPECT_NE(boxen.shown.back().text.find("Gruppe 2 hat"), std::string::npos);
    S(1).Gruppe = 0;
    S(4).Geloescht = true;
    EXPECT_TRUE(PruefeGruppen());
    EXPECT_EQ(boxen.shown.size(), 2u);
}

TEST_F(PaarungsEngineTest, EffortBoundEndsTheSearchLikeAFailure) {
    // A field no pairing fits, but one that the feasibility checks cannot see at once: every
    // player may take one repeat, the round only two.
    Feld(12);
    KeinePaarungenMehrfach = true;
    Toleranzen[1] = 2;
    for (int a = 0; a < 12; ++a)
        for (int b = a + 1; b < 12; ++b)
            if ((a < 6) == (b < 6) || (a + b) % 3 != 0)
                S(a).SetGegner(a * 12 + b + 1, S(b).Startnummer);
    AktuellerSpieltag = 200;
    const bool gefunden = PaareRekursiv(0);
    const auto aufwand = PaarungsSuchaufwand;
    std::vector<int> partner;
    for (const auto& s : Spielerliste)
        partner.push_back(s->Partner), s->Partner = -1, s->Gepaart = false;
    const std::string zaehler = Zaehler();
    for (int& v : Verstoesse)
        v = 0;

    // The same search within a bound just large enough is unchanged.
    PaarungsSuchgrenze = aufwand;
    EXPECT_EQ(PaareRekursiv(0), gefunden);
    EXPECT_FALSE(PaarungsSucheAbgebrochen);
    for (size_t k = 0; k < partner.size(); ++k)
        EXPECT_EQ(Spielerliste[k]->Partner, partner[k]);
    EXPECT_EQ(Zaehler(), zaehler);

    // A smaller bound stops it: a failure that leaves everything as it was.
    for (const auto& s : Spielerliste)
        s->Partner = -1, s->Gepaart = false;
    for (int& v : Verstoesse)
        v = 0;
    PaarungsSuchgrenze = aufwand / 4;
    EXPECT_FALSE(PaareRekursiv(0));
    EXPECT_TRUE(PaarungsSucheAbgebrochen);
    EXPECT_EQ(Zaehler(), "00000");
    for (const auto& s : Spielerliste) {
        EXPECT_FALSE(s->Gepaart);
        EXPECT_EQ(s->Partner, -1);
    }
}

#include "core/Data.h"
#include "translation/Translate.h"

#include "CoreState.h"

#include <gtest/gtest.h>

namespace {

class DataTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }

    static TSpieler& Add(int startnummer, const std::string& vorname, const std::string& name) {
        auto spieler = std::make_unique<TSpieler>();
        spieler->Startnummer = startnummer;
        spieler->Vorname = vorname;
        spieler->Name = name;
        Spielerliste.push_back(std::move(spieler));
        return *Spielerliste.back();
    }
};

} // namespace

TEST_F(DataTest, DisplayNamesLeaveOutSingleCharacterParts) {
    TSpieler s;
    s.Vorname = "Anna";
    s.Nickname = "Ax";
    s.Name = "Berg";
    EXPECT_EQ(s.GetName(), "Anna Berg");
    EXPECT_EQ(s.GetNameMitNick(), "Anna 'Ax' Berg");
    s.Vorname = "M";
    s.Nickname = "X";
    EXPECT_EQ(s.GetName(), "Berg");
    EXPECT_EQ(s.GetNameMitNick(), "Berg");
    s.Vorname = "";
    s.Nickname = "Ax";
    EXPECT_EQ(s.GetNameMitNick(), "'Ax' Berg");
}

TEST_F(DataTest, SettersAppendEmptyRoundsAndGettersAnswerDefaultsBeyond) {
    TSpieler s;
    s.SetPunkte(3, 20);
    ASSERT_EQ(s.GetRundenAnzahl(), 3);
    EXPECT_EQ(s.GetGegner(1), -1);
    EXPECT_EQ(s.GetGegner(2), -1);
    EXPECT_EQ(s.GetPunkte(3), 20);
    EXPECT_EQ(s.GetGegner(3), -1);
    s.SetGegnerArmee(2, std::string(40, 'a'));
    EXPECT_EQ(s.GetGegnerArmee(2), std::string(30, 'a'));
    EXPECT_EQ(s.GetRundenAnzahl(), 3) << "setting an existing round appends nothing";

    s.SetGegner(5, 9);
    EXPECT_EQ(s.GetGegner(7), -1);
    EXPECT_EQ(s.GetGegnerArmee(7), "");
    for (int value : {s.GetSiegpunkte(7), s.GetPunkte(7), s.GetSzenariopunkte(7),
                      s.GetArmeepunkte(7), s.GetFairplay(7), s.GetTisch(7)})
        EXPECT_EQ(value, 0);
    s.SetSiegpunkte(1, 11);
    s.SetSzenariopunkte(1, 2);
    s.SetArmeepunkte(1, 3);
    s.SetFairplay(1, 4);
    s.SetTisch(1, 5);
    EXPECT_EQ(s.GetSiegpunkte(1) + s.GetSzenariopunkte(1) + s.GetArmeepunkte(1) + s.GetFairplay(1) +
                  s.GetTisch(1),
              25);
}

TEST_F(DataTest, NewStartNumberFillsTheFirstGapAbovePlayerCount) {
    EXPECT_EQ(NeueStartnummer(), 1);
    Add(1, "A", "a");
    Add(5, "B", "b");
    EXPECT_EQ(NeueStartnummer(), 3);
    Spielerliste.clear();
    Add(1, "A", "a");
    Add(2, "B", "b");
    Add(3, "C", "c");
    EXPECT_EQ(NeueStartnummer(), 4);
    Add(5, "D", "d");
    EXPECT_EQ(NeueStartnummer(), 6) << "5 is taken, so the search moves on";
}

TEST_F(DataTest, LookupsFindTheFirstMatchOrMinusOne) {
    Add(4, "Anna", "Berg");
    Add(7, "Anna", "Berg");
    Add(9, "M", "Meier");
    EXPECT_EQ(FindeSpielerIndex(7), 1);
    EXPECT_EQ(FindeSpielerIndex(8), -1);
    EXPECT_EQ(FindeSpieler(9)->Name.str(), "Meier");
    EXPECT_EQ(FindeSpieler(10), nullptr);
    EXPECT_EQ(FindeSpielerNachName("Anna Berg"), 0);
    EXPECT_EQ(FindeSpielerNachName("  Anna Berg\t\r\n"), 0);
    EXPECT_EQ(FindeSpielerNachName("Meier"), 2);
    EXPECT_EQ(FindeSpielerNachName("anna berg"), -1) << "case-sensitive";
    EXPECT_EQ(FindeSpielerNachName("Anna  Berg"), -1);
}

TEST_F(DataTest, TheCoreTexts) {
    EXPECT_EQ(GetTranslatorList(7)->size(), 12u);
    EXPECT_EQ(GetTranslation(7, 8), "Halvener Paarungs Programm");
    EXPECT_EQ(GetTranslation(7, 12), "Paaren nicht m\xF6glich!");
    EXPECT_EQ(GetTranslation(7, 5),
              " Spieler m\xFCssen an einem Tisch spielen, an dem sie schonmal gespielt haben.");
}

#include "core/PaarungUebernehmen.h"

#include "CoreState.h"
#include "RecordingMessages.h"
#include "Testaufbau.h"
#include "core/Paarungen.h"
#include "core/PaarungsEngine.h"
#include "core/Tische.h"
#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

using namespace testaufbau;

namespace {

class PaarungUebernehmenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCoreState();
        TischeZufaellig = false;
    }
    void TearDown() override { ResetCoreState(); }

    // Players 1..n in list order with positions 1..n and armies A1..An.
    void Feld(int anzahl) {
        for (int k = 1; k <= anzahl; ++k) {
            TSpieler& s = NeuerSpieler(k);
            s.Platz = k;
            s.Armee = "A" + std::to_string(k);
        }
    }
    TSpieler& S(int nummer) { return *FindeSpieler(nummer); }
    void Partner(int a, int b) {
        S(a).Partner = FindeSpielerIndex(b);
        S(b).Partner = FindeSpielerIndex(a);
    }
    std::string Liste() {
        std::string text;
        for (const auto& p : Paarungsliste)
            text += std::to_string(p->Nummer1) + "-" + std::to_string(p->Nummer2) + "@" +
                    std::to_string(p->GetTisch()) + " ";
        return text;
    }
};

} // namespace

TEST_F(PaarungUebernehmenTest, WritesOpponentsByesTablesAndKeepsEnteredPoints) {
    Feld(6);
    AktuellerSpieltag = 2;
    Spiel(S(1), S(2), 1, 0, 0, 0, 0, 1);
    Spiel(S(3), S(4), 1, 0, 0, 0, 0, 2);
    S(6).Geloescht = true;
    Partner(1, 4);
    Partner(2, 3);
    S(6).Partner = 4; // a deleted player gets the bye record whatever his partner says
    S(5).SetPunkte(2, 9);
    S(5).SetGegner(2, 3);
    ErsteInReihenfolge = 1;

    UebernehmePaarung();

    EXPECT_EQ(S(1).GetGegner(2), 4);
    EXPECT_EQ(S(1).GetGegnerArmee(2), "A4");
    EXPECT_EQ(S(4).GetGegner(2), 1);
    EXPECT_EQ(S(3).GetGegnerArmee(2), "A2");
    EXPECT_EQ(S(5).GetGegner(2), 5) << "no partner: a bye";
    EXPECT_EQ(S(5).GetGegnerArmee(2), "A5");
    EXPECT_EQ(S(5).GetPunkte(2), 9) << "the round's other values stay";
    EXPECT_EQ(S(6).GetGegner(2), 6);
    EXPECT_EQ(S(6).GetGegnerArmee(2), "A6");
    // By better position; the leader's game at the top table, the rest in list order.
    EXPECT_EQ(Liste(), "1-4@1 2-3@2 ");
    EXPECT_TRUE(Paarungsliste[0]->TischFest);
    EXPECT_EQ(S(4).GetTisch(2), 1);
    EXPECT_EQ(S(3).GetTisch(2), 2);
    EXPECT_EQ(S(1).GetTisch(1), 1) << "earlier rounds untouched";

    // Pairing the round again overwrites the opponents of every player.
    for (const auto& s : Spielerliste)
        s->Partner = -1;
    Partner(1, 3);
    Partner(2, 5);
    S(4).Partner = 17; // names no player: taken as no partner
    UebernehmePaarung();
    EXPECT_EQ(S(1).GetGegner(2), 3);
    EXPECT_EQ(S(5).GetGegner(2), 2);
    EXPECT_EQ(S(5).GetPunkte(2), 9);
    EXPECT_EQ(S(4).GetGegner(2), 4);
    EXPECT_EQ(Liste(), "1-3@1 2-5@2 ");
}

TEST_F(PaarungUebernehmenTest, WarnsWhenRandomTablesMustRepeat) {
    RecordingMessages boxen;
    Feld(2);
    TischeZufaellig = true;
    AktuellerSpieltag = 2;
    Spiel(S(1), S(2), 1, 0, 0, 0, 0, 1);
    Partner(1, 2);
    UebernehmePaarung();
    EXPECT_EQ(S(1).GetTisch(2), 1) << "a single table: it must be used again";
    ASSERT_EQ(boxen.shown.size(), 1u);
    EXPECT_EQ(boxen.shown[0].caption, "Halvener Paarungs Programm");
    EXPECT_EQ(boxen.shown[0].text,
              "2" + Utf8ToCp1252(" Spieler müssen an einem Tisch spielen, an dem sie schonmal "
                                 "gespielt haben."));

    // Nothing to commit into when no round is chosen.
    AktuellerSpieltag = 0;
    UebernehmePaarung();
    EXPECT_EQ(S(1).GetRundenAnzahl(), 2);
}

TEST_F(PaarungUebernehmenTest, GapFiguresOfTheRound) {
    Feld(30);
    AktuellerSpieltag = 3;
    auto spiel = [this](int a, int b) {
        S(a).SetGegner(3, b);
        S(b).SetGegner(3, a);
    };
    spiel(1, 4);
    spiel(3, 12);
    spiel(2, 5); // gap 3, equal to the leader's: not taken
    spiel(14, 30);
    spiel(6, 15); // gap 9, equal to 3-12: the first found stays
    spiel(7, 8);
    spiel(10, 24);          // gap 14 at place 10, the last of the top ten
    spiel(11, 26);          // gap 15, but place 11 is past the top ten
    S(9).SetGegner(3, 9);   // a bye
    S(13).SetGegner(3, 99); // an opponent who does not exist
    int a, b, c, d, e;
    auto zahlen = [&] {
        PaarungsStatistik(a, b, c, d, e);
        return std::to_string(a) + " " + std::to_string(b) + "-" + std::to_string(c) + " " +
               std::to_string(d) + "-" + std::to_string(e);
    };
    EXPECT_EQ(zahlen(), "4 10-24 14-30");

    // Deleted players are left out.
    S(14).Geloescht = true;
    EXPECT_EQ(zahlen(), "4 10-24 11-26");

    // The figures are places, not start numbers.
    S(14).Geloescht = false;
    for (int k = 1; k <= 30; ++k)
        S(k).Platz = 31 - k;
    EXPECT_EQ(zahlen(), "17 1-17 1-17");

    // Nothing paired gives -1 everywhere.
    AktuellerSpieltag = 4;
    PaarungsStatistik(a, b, c, d, e);
    EXPECT_EQ(a + b + c + d + e, -5);
}

TEST_F(PaarungUebernehmenTest, AnEmptyFieldPassesThroughEveryStep) {
    RecordingMessages boxen;
    VorbereitenPaarung();
    EXPECT_TRUE(PruefeGruppen());
    EXPECT_FALSE(PaareRekursiv(0));
    UebernehmePaarung();
    EXPECT_TRUE(Paarungsliste.empty());
    int a, b, c, d, e;
    PaarungsStatistik(a, b, c, d, e);
    EXPECT_EQ(a + b + c + d + e, -5);
    EXPECT_TRUE(boxen.shown.empty());
}

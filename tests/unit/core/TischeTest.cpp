#include "core/Tische.h"
#include "core/Paarungen.h"

#include "CoreState.h"
#include "RecordingMessages.h"
#include "Testaufbau.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "translation/Translate.h"

#include <gtest/gtest.h>
#include <set>

using namespace testaufbau;

namespace {

class TischeTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCoreState(); }
    void TearDown() override { ResetCoreState(); }

    // A pairing whose two sides sat at these tables in the earlier rounds.
    TPaarung& Neu(TObjectList<TPaarung>& liste, std::vector<std::pair<int, int>> vorher = {},
                  int platz = 0) {
        liste.push_back(std::make_unique<TPaarung>());
        TPaarung& p = *liste.back();
        for (auto [t1, t2] : vorher)
            p.FuegeBisherigeRundeHinzu(t1, t2);
        p.BesterPlatz = platz;
        return p;
    }

    TObjectList<TPaarung> liste;
    RecordingMessages meldungen;
};

std::vector<int> Tische(const TObjectList<TPaarung>& liste) {
    std::vector<int> t;
    for (const auto& p : liste)
        t.push_back(p->GetTisch());
    return t;
}

} // namespace

TEST_F(TischeTest, DefaultsAndGroupLookup) {
    TischeZufaellig = false;
    AnzahlTische = 9;
    NeueTischgruppe("x", 1, 2);
    InitTische();
    EXPECT_TRUE(TischeZufaellig);
    EXPECT_EQ(ErsteInReihenfolge, 0);
    EXPECT_EQ(AnzahlTische, 0);
    EXPECT_FALSE(TischgruppenBeruecksichtigen);
    EXPECT_EQ(WieOftProGruppe, 2);
    EXPECT_EQ(AnzahlTischgruppen, 5);
    EXPECT_FALSE(TischgruppenManuell);
    EXPECT_TRUE(Tischgruppen.empty());
    EXPECT_TRUE(Tischliste.empty());

    NeueTischgruppe("Vorn", 1, 6);
    NeueTischgruppe("Mitte", 5, 10);
    NeueTischgruppe("Verdreht", 20, 15);
    NeueTischgruppe(std::string(60, 'n').c_str(), 30, 30);
    EXPECT_EQ(TischgruppeVonTisch(1), 1);
    EXPECT_EQ(TischgruppeVonTisch(4), 1);
    EXPECT_EQ(TischgruppeVonTisch(5), 2) << "the later group holds a shared table";
    EXPECT_EQ(TischgruppeVonTisch(6), 2);
    EXPECT_EQ(TischgruppeVonTisch(10), 2);
    EXPECT_EQ(TischgruppeVonTisch(11), 0);
    EXPECT_EQ(TischgruppeVonTisch(15), 3);
    EXPECT_EQ(TischgruppeVonTisch(20), 3);
    EXPECT_EQ(TischgruppeVonTisch(17), 0) << "a reversed range holds only its two ends";
    EXPECT_EQ(TischgruppeVonTisch(0), 0);
    EXPECT_EQ(TischgruppenName(5), "Mitte");
    EXPECT_EQ(TischgruppenName(30), std::string(50, 'n'));
    EXPECT_EQ(TischgruppenName(11), "keine Gruppe");
}

TEST_F(TischeTest, TableListHasAtLeastOneTablePerPairingInRandomOrder) {
    // No pairings: AnzahlTische tables and nothing else.
    AnzahlTische = 4;
    VerteileTische(liste);
    PruefeTischverteilung(liste, 7);
    EXPECT_EQ(Tischliste.size(), 4u);
    EXPECT_TRUE(meldungen.shown.empty());

    for (int i = 0; i < 6; ++i)
        Neu(liste);
    liste[2]->SetTisch(5);
    liste[2]->TischFest = true;
    liste[3]->SetTisch(2); // not fixed: does not take the table
    NeueTischgruppe("G", 2, 3);
    ErstelleTischliste(liste);
    EXPECT_EQ(AnzahlTische, 6) << "raised to the number of pairings";
    ASSERT_EQ(Tischliste.size(), 6u);
    std::set<int> nummern;
    for (size_t i = 0; i < Tischliste.size(); ++i) {
        const TTisch& t = *Tischliste[i];
        nummern.insert(t.Nummer);
        EXPECT_EQ(t.Belegt, t.Nummer == 5) << t.Nummer;
        EXPECT_EQ(t.Gruppe, (t.Nummer == 2 || t.Nummer == 3) ? 1 : 0);
        EXPECT_GE(t.Zufallswert, 0);
        EXPECT_LE(t.Zufallswert, 9999);
        if (i > 0) {
            EXPECT_GE(Tischliste[i - 1]->Zufallswert, t.Zufallswert);
        }
    }
    EXPECT_EQ(nummern, (std::set<int>{1, 2, 3, 4, 5, 6}));

    // A smaller field keeps the larger table count.
    liste.resize(2);
    ErstelleTischliste(liste);
    EXPECT_EQ(Tischliste.size(), 6u);
    EXPECT_EQ(AnzahlTische, 6);
}

TEST_F(TischeTest, NextFreeTableFromAStartIndex) {
    for (int i = 0; i < 3; ++i)
        Neu(liste);
    ErstelleTischliste(liste);
    Tischliste[0]->Belegt = true;
    Tischliste[2]->Belegt = true;
    EXPECT_EQ(NaechsterFreierTisch(0), 1);
    EXPECT_EQ(NaechsterFreierTisch(1), 1);
    EXPECT_EQ(NaechsterFreierTisch(2), -1);
    EXPECT_EQ(NaechsterFreierTisch(3), -1);
    EXPECT_EQ(NaechsterFreierTisch(100), -1);
    EXPECT_EQ(NaechsterFreierTisch(-5), 1);
    Tischliste.clear();
    EXPECT_EQ(NaechsterFreierTisch(0), -1);
}

TEST_F(TischeTest, TopTablesFollowTheStandingsPositionLimit) {
    Neu(liste, {}, 1);
    Neu(liste, {}, 3);
    Neu(liste, {}, 4);
    VergebeSpitzentische(liste);
    EXPECT_FALSE(liste[0]->TischFest) << "the default 0 seats nobody";

    ErsteInReihenfolge = 2;
    VergebeSpitzentische(liste);
    EXPECT_EQ(Tische(liste), (std::vector<int>{1, 0, 0}));
    EXPECT_TRUE(liste[0]->TischFest);
    EXPECT_FALSE(liste[1]->TischFest);

    ErsteInReihenfolge = 4;
    VergebeSpitzentische(liste);
    EXPECT_EQ(Tische(liste), (std::vector<int>{1, 2, 3}));

    // The walk stops at the first pairing above the limit.
    liste[1]->BesterPlatz = 9;
    liste[2]->SetTisch(0);
    liste[2]->TischFest = false;
    VergebeSpitzentische(liste);
    EXPECT_EQ(liste[2]->GetTisch(), 0);
}

TEST_F(TischeTest, OrderedTablesByListPositionWithoutAnyCheck) {
    TischeZufaellig = false;
    Neu(liste, {{1, 1}});
    Neu(liste, {{2, 2}});
    Neu(liste, {{3, 3}});
    liste[1]->SetTisch(1);
    liste[1]->TischFest = true;
    EXPECT_TRUE(VerteileTische(liste));
    EXPECT_EQ(Tische(liste), (std::vector<int>{1, 1, 3}));
    PruefeTischverteilung(liste, 7);
    EXPECT_TRUE(meldungen.shown.empty()) << "no check when tables are not random";
}

TEST_F(TischeTest, RandomTablesAvoidEarlierTablesAndFixedOnes) {
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        liste.clear();
        AnzahlTische = 0;
        // Four pairings and a fixed one, five tables; the first two know some tables already.
        Neu(liste, {{1, 2}});
        Neu(liste, {{3, 4}});
        Neu(liste);
        Neu(liste);
        Neu(liste).SetTisch(5);
        liste[4]->TischFest = true;
        VerteileTische(liste);
        std::set<int> vergeben;
        for (const auto& p : liste) {
            EXPECT_TRUE(p->TischFest || p->TischErlaubt(p->GetTisch()))
                << "seed " << seed << " table " << p->GetTisch();
            vergeben.insert(p->GetTisch());
        }
        EXPECT_EQ(vergeben, (std::set<int>{1, 2, 3, 4, 5})) << "seed " << seed;
        EXPECT_EQ(liste[4]->GetTisch(), 5);
    }
}

TEST_F(TischeTest, SpareTablesMayLeaveLowNumbersEmpty) {
    AnzahlTische = 10;
    bool hoherTisch = false;
    for (std::uint32_t seed = 1; seed <= 10 && !hoherTisch; ++seed) {
        SeedRandom(seed);
        liste.clear();
        Neu(liste);
        Neu(liste);
        VerteileTische(liste);
        EXPECT_NE(liste[0]->GetTisch(), liste[1]->GetTisch());
        hoherTisch = liste[0]->GetTisch() > 2 || liste[1]->GetTisch() > 2;
    }
    EXPECT_TRUE(hoherTisch);
}

TEST_F(TischeTest, PairingThatKnowsEveryTableGetsTheFirstFreeOneAndIsReported) {
    Neu(liste, {{1, 2}});
    Neu(liste, {{2, 1}});
    VerteileTische(liste);
    // Random order of the run: the first pairing takes the first table of it.
    EXPECT_EQ(liste[0]->GetTisch(), Tischliste[0]->Nummer);
    EXPECT_EQ(liste[1]->GetTisch(), Tischliste[1]->Nummer);
    EXPECT_EQ(ZaehleTischwiederholungen(liste), 2);
    PruefeTischverteilung(liste, 7);
    ASSERT_EQ(meldungen.shown.size(), 1u);
    EXPECT_EQ(meldungen.shown[0].caption, "Halvener Paarungs Programm");
    EXPECT_EQ(meldungen.shown[0].text,
              Utf8ToCp1252("2 Spieler müssen an einem Tisch spielen, an dem sie schonmal "
                           "gespielt haben."));
    EXPECT_EQ(Tische(liste)[0], Tischliste[0]->Nummer) << "the assignment stays";
}

TEST_F(TischeTest, SwapRepairsWhatBothSidesAccept) {
    Neu(liste, {{1, 7}}).SetTisch(1); // A sits where it sat before
    Neu(liste, {{3, 9}}).SetTisch(2); // would fit, but fixed pairings are never moved
    liste[1]->TischFest = true;
    Neu(liste, {{1, 8}}).SetTisch(2); // A would take 2, but this one refuses A's table
    Neu(liste, {{5, 6}}).SetTisch(3); // the first that fits both ways
    TauscheTische(liste);
    EXPECT_EQ(Tische(liste), (std::vector<int>{3, 2, 2, 1}));

    // No swap when the other pairing refuses the table it would get.
    liste.clear();
    Neu(liste, {{2, 2}}).SetTisch(1); // fine
    Neu(liste, {{2, 9}}).SetTisch(2); // refuses 2 and would take 1
    TauscheTische(liste);
    EXPECT_EQ(Tische(liste), (std::vector<int>{1, 2}));
    EXPECT_EQ(ZaehleTischwiederholungen(liste), 1);
}

TEST_F(TischeTest, CheckRepairsSilentlyWhenItCan) {
    // The check itself swaps: no message once nothing remains.
    Neu(liste, {{1, 7}}).SetTisch(1);
    Neu(liste, {{5, 6}}).SetTisch(3);
    PruefeTischverteilung(liste, 7);
    EXPECT_EQ(Tische(liste), (std::vector<int>{3, 1}));
    EXPECT_TRUE(meldungen.shown.empty());
}

TEST_F(TischeTest, WarningCarriesTheGroupLineWheneverGroupsAreObserved) {
    TischgruppenBeruecksichtigen = true;
    NeueTischgruppe("Vorn", 1, 2);
    Neu(liste, {{1, 5}}).SetTisch(1);
    Neu(liste, {{3, 1}}).SetTisch(3); // both refuse the other's table: no swap
    PruefeTischverteilung(liste, 7);
    ASSERT_EQ(meldungen.shown.size(), 1u);
    EXPECT_EQ(meldungen.shown[0].text,
              Utf8ToCp1252("2 Spieler müssen an einem Tisch spielen, an dem sie schonmal "
                           "gespielt haben.\r\n0 Spieler müssen in einer Gruppe spielen, in der "
                           "sie nicht mehr spielen sollen."));

    // Group violations only, reported with the table dialog's texts.
    meldungen.shown.clear();
    RegisterText(18, 5, " W");
    RegisterText(18, 6, " G");
    WieOftProGruppe = 1;
    liste.clear();
    Neu(liste, {{2, 9}}).SetTisch(1);
    Neu(liste, {{9, 1}}).SetTisch(2);
    EXPECT_EQ(ZaehleGruppenverstoesse(liste), 2);
    EXPECT_EQ(ZaehleTischwiederholungen(liste), 0);
    PruefeTischverteilung(liste, 18);
    ASSERT_EQ(meldungen.shown.size(), 1u);
    EXPECT_EQ(meldungen.shown[0].text, "0 W\r\n2 G");
    EXPECT_EQ(meldungen.shown[0].caption, "Halvener Paarungs Programm");
}

TEST_F(TischeTest, FixedPairingsAreNeverCountedOrMoved) {
    Neu(liste, {{4, 4}}).SetTisch(4);
    liste[0]->TischFest = true;
    EXPECT_EQ(ZaehleTischwiederholungen(liste), 0);
    PruefeTischverteilung(liste, 7);
    EXPECT_TRUE(meldungen.shown.empty());
    EXPECT_TRUE(TischBelegt(liste, 4));
    EXPECT_FALSE(TischBelegt(liste, 3));
    liste[0]->TischFest = false;
    EXPECT_FALSE(TischBelegt(liste, 4));
}

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

    // A pairing at table `tisch` whose sides sat at these tables in the earlier rounds.
    TPaarung& Neu(int tisch = 0, std::vector<std::pair<int, int>> vorher = {}) {
        liste.push_back(std::make_unique<TPaarung>());
        for (auto [t1, t2] : vorher)
            liste.back()->FuegeBisherigeRundeHinzu(t1, t2);
        liste.back()->SetTisch(tisch);
        return *liste.back();
    }

    std::vector<int> Tische() const {
        std::vector<int> t;
        for (const auto& p : liste)
            t.push_back(p->GetTisch());
        return t;
    }

    TObjectList<TPaarung> liste;
    RecordingMessages meldungen;
};

const std::string kWiederholt =
    Utf8ToCp1252(" Spieler müssen an einem Tisch spielen, an dem sie schonmal gespielt haben.");

} // namespace

TEST_F(TischeTest, GroupOfATableIsTheLastGroupHoldingIt) {
    NeueTischgruppe("Vorn", 1, 6);
    NeueTischgruppe("Mitte", 5, 10);
    NeueTischgruppe("Verdreht", 20, 15); // holds only its two ends
    NeueTischgruppe(std::string(60, 'n'), 30, 30);
    const int faelle[] = {4, 1, 5, 2, 10, 2, 11, 0, 15, 3, 20, 3, 17, 0, 30, 4}; // table, group
    for (size_t i = 0; i < std::size(faelle); i += 2)
        EXPECT_EQ(TischgruppeVonTisch(faelle[i]), faelle[i + 1]) << faelle[i];
    EXPECT_EQ(TischgruppenName(6), "Mitte");
    EXPECT_EQ(TischgruppenName(30), std::string(50, 'n'));
    EXPECT_EQ(TischgruppenName(11), "keine Gruppe");
}

TEST_F(TischeTest, TableListHasAtLeastOneTablePerPairingInRandomOrder) {
    AnzahlTische = 4; // no pairings: AnzahlTische tables, no message
    VerteileTische(liste);
    PruefeTischverteilung(liste, 7);
    EXPECT_EQ(Tischliste.size(), 4u);
    EXPECT_TRUE(meldungen.shown.empty());

    for (int i = 0; i < 6; ++i)
        Neu();
    liste[2]->SetTisch(5);
    liste[2]->TischFest = true;
    liste[3]->SetTisch(2); // not fixed: does not take the table
    NeueTischgruppe("G", 2, 3);
    ErstelleTischliste(liste);
    EXPECT_EQ(AnzahlTische, 6) << "raised to the number of pairings";
    std::set<int> nummern;
    for (size_t i = 0; i < Tischliste.size(); ++i) {
        const TTisch& t = *Tischliste[i];
        nummern.insert(t.Nummer);
        EXPECT_EQ(t.Belegt, t.Nummer == 5) << t.Nummer;
        EXPECT_EQ(t.Gruppe, (t.Nummer == 2 || t.Nummer == 3) ? 1 : 0);
        EXPECT_TRUE(i == 0 || Tischliste[i - 1]->Zufallswert >= t.Zufallswert);
    }
    EXPECT_EQ(nummern, (std::set<int>{1, 2, 3, 4, 5, 6}));

    for (size_t i = 0; i < Tischliste.size(); ++i)
        Tischliste[i]->Belegt = i != 1;
    EXPECT_EQ(NaechsterFreierTisch(0), 1);
    EXPECT_EQ(NaechsterFreierTisch(2), -1);
    EXPECT_EQ(NaechsterFreierTisch(100), -1);

    liste.resize(2); // a smaller field keeps the larger table count
    ErstelleTischliste(liste);
    EXPECT_EQ(Tischliste.size(), 6u);
}

TEST_F(TischeTest, TopTablesFollowTheStandingsPositionLimit) {
    for (int platz : {1, 3, 4, 2})
        Neu().BesterPlatz = platz;
    VergebeSpitzentische(liste);
    EXPECT_FALSE(liste[0]->TischFest) << "the default 0 seats nobody";
    // A limit of 3 is a position, not a count; the walk stops at the first pairing above it.
    ErsteInReihenfolge = 3;
    VergebeSpitzentische(liste);
    EXPECT_EQ(Tische(), (std::vector<int>{1, 2, 0, 0}));
    EXPECT_TRUE(liste[1]->TischFest && !liste[2]->TischFest && !liste[3]->TischFest);
}

TEST_F(TischeTest, OrderedTablesByListPositionWithoutAnyCheck) {
    TischeZufaellig = false;
    Neu(0, {{1, 3}});
    Neu(1, {{2, 2}}).TischFest = true;
    Neu(0, {{3, 1}});
    EXPECT_TRUE(VerteileTische(liste));
    PruefeTischverteilung(liste, 7);
    EXPECT_EQ(Tische(), (std::vector<int>{1, 1, 3}));
    EXPECT_TRUE(meldungen.shown.empty()) << "no check when tables are not random";
}

TEST_F(TischeTest, RandomTablesAvoidEarlierAndFixedTables) {
    bool hoherTisch = false;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        liste.clear();
        AnzahlTische = 0;
        Neu(0, {{1, 2}});
        Neu(0, {{3, 4}});
        Neu();
        Neu();
        Neu(5).TischFest = true;
        VerteileTische(liste);
        for (const auto& p : liste)
            EXPECT_TRUE(p->TischErlaubt(p->GetTisch())) << seed << " " << p->GetTisch();
        const std::vector<int> t = Tische();
        EXPECT_EQ(std::set<int>(t.begin(), t.end()), (std::set<int>{1, 2, 3, 4, 5})) << seed;

        // With spare tables low numbers may stay empty.
        liste.resize(2);
        AnzahlTische = 10;
        VerteileTische(liste);
        EXPECT_NE(liste[0]->GetTisch(), liste[1]->GetTisch());
        hoherTisch = hoherTisch || liste[0]->GetTisch() > 4 || liste[1]->GetTisch() > 4;
    }
    EXPECT_TRUE(hoherTisch);
}

TEST_F(TischeTest, SwapTakesTheFirstPairingThatAcceptsBothWays) {
    Neu(1, {{1, 7}});                  // sits where it sat before
    Neu(2, {{2, 9}}).TischFest = true; // fixed pairings never move and are never counted
    Neu(2, {{1, 8}});                  // refuses table 1
    Neu(3, {{5, 6}});                  // fits both ways: the first to take
    Neu(4, {{5, 6}});                  // would fit too, but one swap is enough
    PruefeTischverteilung(liste, 7);   // repairs everything: no message
    EXPECT_EQ(Tische(), (std::vector<int>{3, 2, 2, 1, 4}));
    EXPECT_TRUE(meldungen.shown.empty());
}

TEST_F(TischeTest, WarningCountsWhatTheSwapCannotRepair) {
    // Players who know every table get the first free one in random order.
    Neu(0, {{1, 2}});
    Neu(0, {{2, 1}});
    VerteileTische(liste);
    EXPECT_EQ(Tische(), (std::vector<int>{Tischliste[0]->Nummer, Tischliste[1]->Nummer}));
    PruefeTischverteilung(liste, 7);
    ASSERT_EQ(meldungen.shown.size(), 1u);
    EXPECT_EQ(meldungen.shown[0].caption, "Halvener Paarungs Programm");
    EXPECT_EQ(meldungen.shown[0].text, "2" + kWiederholt);
    EXPECT_EQ(Tische()[0], Tischliste[0]->Nummer) << "the assignment stays";

    // With groups observed the group line is there, also with a count of 0.
    liste.clear();
    TischgruppenBeruecksichtigen = true;
    NeueTischgruppe("Vorn", 1, 2);
    Neu(1, {{1, 5}});
    Neu(3, {{3, 1}}); // each refuses the other's table: no swap
    PruefeTischverteilung(liste, 7);
    ASSERT_EQ(meldungen.shown.size(), 2u);
    EXPECT_EQ(meldungen.shown[1].text,
              "2" + kWiederholt + "\r\n0" +
                  Utf8ToCp1252(" Spieler müssen in einer Gruppe spielen, in der sie nicht mehr "
                               "spielen sollen."));

    // Group violations only, reported with the table dialog's texts.
    RegisterText(18, 5, " W");
    RegisterText(18, 6, " G");
    WieOftProGruppe = 1;
    liste.clear();
    Neu(1, {{2, 9}});
    Neu(2, {{9, 1}});
    PruefeTischverteilung(liste, 18);
    ASSERT_EQ(meldungen.shown.size(), 3u);
    EXPECT_EQ(meldungen.shown[2].caption, "Halvener Paarungs Programm");
    EXPECT_EQ(meldungen.shown[2].text, "0 W\r\n2 G");

    // Fixed pairings are never counted.
    for (auto& p : liste)
        p->TischFest = true;
    PruefeTischverteilung(liste, 18);
    EXPECT_EQ(meldungen.shown.size(), 3u);
}

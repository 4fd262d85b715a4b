#include "core/Teamturnier.h"
#include "core/Tische.h"
#include "platform/Errors.h"
#include "platform/Random.h"

#include "RecordingMessages.h"
#include "TeamFabrik.h"

#include <gtest/gtest.h>

using namespace teamfabrik;
using testaufbau::Spiel;

namespace {

class TeampaarungTest : public TeamTest {
protected:
    RecordingMessages messages;

    // Teams named by the letters, one member at slot 1 each (start numbers 1, 2, ...), in this
    // list order after a fresh preparation.
    static void TeamsMitEinemMitglied(const std::string& namen) {
        std::vector<std::pair<std::string, int>> mitglieder;
        for (char c : namen)
            mitglieder.emplace_back(std::string(1, c), 1);
        Aufstellung(mitglieder);
    }

    static TSpieler& Spieler(int nummer) { return *FindeSpieler(nummer); }

    static std::string PartnerVon(const std::string& team) {
        const int partner = Team(team).Gegner[0];
        return partner < 0 ? "" : Teamliste[static_cast<size_t>(partner)]->Name.str();
    }
};

// Everything a refused commit must leave alone: the players' rounds and the teams.
std::vector<std::vector<int>> Zustand() {
    std::vector<std::vector<int>> zustand;
    for (const auto& s : Spielerliste) {
        std::vector<int> zeile{s->Startnummer, s->GetRundenAnzahl()};
        for (int r = 1; r <= s->GetRundenAnzahl(); ++r) {
            zeile.push_back(s->GetGegner(r));
            zeile.push_back(s->GetTisch(r));
        }
        zustand.push_back(zeile);
    }
    for (const auto& t : Teamliste) {
        std::vector<int> zeile{t->Nummer, t->Gepaart ? 1 : 0};
        zeile.insert(zeile.end(), t->Gegner.begin(), t->Gegner.end());
        zeile.insert(zeile.end(), t->Mitglieder.begin(), t->Mitglieder.end());
        zeile.insert(zeile.end(), t->Tische.begin(), t->Tische.end());
        zustand.push_back(zeile);
    }
    return zustand;
}

} // namespace

TEST_F(TeampaarungTest, SearchAvoidsEarlierOpponentsAndBacktracks) {
    // A met B and C before, B has not met C: A must take D, B takes C.
    TeamsMitEinemMitglied("ABCD");
    Team("A").Gegner[1] = Team("B").Nummer;
    Team("A").Gegner[2] = Team("C").Nummer;
    AktuellerSpieltag = 3;
    EXPECT_FALSE(TeamPaarungErlaubt(0, 1));
    EXPECT_TRUE(TeamPaarungErlaubt(1, 2));
    EXPECT_FALSE(TeamPaarungErlaubt(0, 4));
    EXPECT_FALSE(TeamPaarungErlaubt(-1, 0));

    ASSERT_TRUE(PaareTeamsRekursiv(0));
    EXPECT_EQ(PartnerVon("A"), "D");
    EXPECT_EQ(PartnerVon("D"), "A");
    EXPECT_EQ(PartnerVon("B"), "C");
    for (const auto& t : Teamliste)
        EXPECT_TRUE(t->Gepaart);

    // Without the rule the first free team is taken, even an old opponent.
    VorbereitenTeampaarung();
    KeinePaarungenMehrfach = false;
    ASSERT_TRUE(PaareTeamsRekursiv(0));
    EXPECT_EQ(PartnerVon("A"), "B");
    EXPECT_EQ(PartnerVon("C"), "D");

    // Only rounds before the current one count.
    VorbereitenTeampaarung();
    KeinePaarungenMehrfach = true;
    AktuellerSpieltag = 2;
    ASSERT_TRUE(PaareTeamsRekursiv(0));
    EXPECT_EQ(PartnerVon("A"), "C");
}

TEST_F(TeampaarungTest, FailedSearchUntiesEverythingButTheFixedPairings) {
    TeamsMitEinemMitglied("ABCDE");
    SetzeFesteTeampaarung(3, 4);         // D : E
    EXPECT_FALSE(PaareTeamsRekursiv(0)); // three open teams
    for (const char* name : {"A", "B", "C"}) {
        EXPECT_FALSE(Team(name).Gepaart) << name;
        EXPECT_EQ(Team(name).Gegner[0], -1) << name;
    }
    EXPECT_EQ(PartnerVon("D"), "E");
    EXPECT_EQ(Team("D").Gegner[1], Team("E").Nummer);

    // Four teams where every open pair met before: tried through and given up.
    VorbereitenTeampaarung();
    Spielerliste.pop_back();
    Teamliste.pop_back();
    AktuellerSpieltag = 4;
    auto trifft = [](const char* a, const char* b, int r) {
        Team(a).Gegner[static_cast<size_t>(r)] = Team(b).Nummer;
        Team(b).Gegner[static_cast<size_t>(r)] = Team(a).Nummer;
    };
    trifft("A", "B", 1);
    trifft("C", "D", 1);
    trifft("A", "C", 2);
    trifft("B", "D", 2);
    trifft("A", "D", 3);
    trifft("B", "C", 3);
    EXPECT_FALSE(PaareTeamsRekursiv(0));
    for (const auto& t : Teamliste) {
        EXPECT_FALSE(t->Gepaart);
        EXPECT_EQ(t->Gegner[0], -1);
    }
}

TEST_F(TeampaarungTest, CommitPairsMembersSlotAgainstSlotAtTheTeamsTable) {
    TischeZufaellig = false; // tables by list position
    // B's slot 4 has no counterpart, and neither has A's slot 3; C's slot 2 is deleted.
    Aufstellung({{"A", 1},
                 {"A", 2},
                 {"A", 3},
                 {"B", 1},
                 {"B", 2},
                 {"B", 4},
                 {"C", 1},
                 {"C", 2},
                 {"D", 1},
                 {"D", 2}});
    Spieler(8).Geloescht = true;
    ASSERT_TRUE(PaareTeamsRekursiv(0));
    UebernehmeTeampaarung();

    EXPECT_EQ(Team("A").Gegner[1], Team("B").Nummer);
    EXPECT_EQ(Team("C").Gegner[1], Team("D").Nummer);
    ASSERT_EQ(Teampaarungsliste.size(), 2u);
    const int tischAB = Team("A").Tische[1];
    const int tischCD = Team("C").Tische[1];
    EXPECT_EQ(Team("B").Tische[1], tischAB);
    EXPECT_EQ(Team("D").Tische[1], tischCD);
    EXPECT_NE(tischAB, tischCD);
    EXPECT_GE(std::min(tischAB, tischCD), 1);

    EXPECT_EQ(Spieler(1).GetGegner(1), 4);
    EXPECT_EQ(Spieler(4).GetGegner(1), 1);
    EXPECT_EQ(Spieler(2).GetGegner(1), 5);
    EXPECT_EQ(Spieler(5).GetGegner(1), 2);
    EXPECT_EQ(Spieler(1).GetTisch(1), tischAB);
    EXPECT_EQ(Spieler(5).GetTisch(1), tischAB);
    EXPECT_EQ(Spieler(3).GetGegner(1), -1);
    EXPECT_EQ(Spieler(6).GetGegner(1), -1);
    EXPECT_EQ(Spieler(7).GetGegner(1), 9);
    EXPECT_EQ(Spieler(9).GetTisch(1), tischCD);
    // A deleted member plays no more; his counterpart is left without a game.
    EXPECT_EQ(Spieler(8).GetGegner(1), -1);
    EXPECT_EQ(Spieler(10).GetGegner(1), -1);
    EXPECT_EQ(Spieler(3).GetTisch(1), 0);

    // The teams read back from the players on the next refresh agree.
    ErstelleTeampaarungen();
    EXPECT_EQ(Team("A").Tische[1], tischAB);
    EXPECT_EQ(Team("B").Gegner[1], Team("A").Nummer);
    ASSERT_EQ(Teampaarungsliste.size(), 2u);
}

TEST_F(TeampaarungTest, PairingARoundAgainLeavesNoGameOfTheEarlierPairing) {
    TischeZufaellig = false;
    // C and D have a slot-3 member, A and B have none.
    Aufstellung({{"A", 1}, {"B", 1}, {"C", 1}, {"D", 1}, {"C", 3}, {"D", 3}});
    SetzeFesteTeampaarung(FindeTeam("A"), FindeTeam("B"));
    SetzeFesteTeampaarung(FindeTeam("C"), FindeTeam("D"));
    UebernehmeTeampaarung();
    ASSERT_EQ(Spieler(5).GetGegner(1), 6);

    VorbereitenTeampaarung();
    SetzeFesteTeampaarung(FindeTeam("A"), FindeTeam("C"));
    SetzeFesteTeampaarung(FindeTeam("B"), FindeTeam("D"));
    UebernehmeTeampaarung();
    EXPECT_EQ(Spieler(1).GetGegner(1), 3);
    EXPECT_EQ(Spieler(5).GetGegner(1), -1);
    EXPECT_EQ(Spieler(6).GetGegner(1), -1);
    EXPECT_EQ(Spieler(5).GetTisch(1), 0);
    EXPECT_EQ(Team("C").Gegner[1], Team("A").Nummer);
    EXPECT_EQ(Team("D").Gegner[1], Team("B").Nummer);
    ASSERT_EQ(Teampaarungsliste.size(), 2u);
    EXPECT_EQ(Teampaarungsliste[0]->Name2, "C");
    EXPECT_EQ(Teampaarungsliste[1]->Name2, "D");
}

TEST_F(TeampaarungTest, TeamPairedWithItselfGivesEveryMemberAByeAtTheTeamsTable) {
    TischeZufaellig = false;
    Aufstellung({{"A", 1}, {"A", 2}, {"B", 1}, {"C", 1}});
    SetzeFesteTeampaarung(FindeTeam("A"), FindeTeam("A"));
    SetzeFesteTeampaarung(FindeTeam("B"), FindeTeam("C"));
    UebernehmeTeampaarung();

    EXPECT_EQ(Team("A").Gegner[1], Team("A").Nummer);
    EXPECT_EQ(Spieler(1).GetGegner(1), 1);
    EXPECT_EQ(Spieler(2).GetGegner(1), 2);
    EXPECT_EQ(Spieler(1).GetTisch(1), Team("A").Tische[1]);
    EXPECT_GE(Team("A").Tische[1], 1);
    EXPECT_EQ(Spieler(3).GetGegner(1), 4);
}

TEST_F(TeampaarungTest, RandomTablesAvoidTheTeamsEarlierTables) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        ResetCoreState();
        Teamturnier = true;
        AnzahlTische = 4;
        ErsteRundeABCD();
        TSpieler& a = Spieler(1);
        TSpieler& b = Spieler(2);
        TSpieler& c = Spieler(3);
        TSpieler& d = Spieler(4);
        AktuellerSpieltag = 2;
        SeedRandom(seed);
        ErstelleTeampaarungen();
        VorbereitenTeampaarung();
        SetzeFesteTeampaarung(FindeTeam("A"), FindeTeam("C"));
        SetzeFesteTeampaarung(FindeTeam("B"), FindeTeam("D"));
        UebernehmeTeampaarung();

        // Both pairings hold a team of table 1 and one of table 2: only 3 and 4 are free of
        // repeats, and nobody needs to be warned.
        const int ac = a.GetTisch(2);
        const int bd = b.GetTisch(2);
        EXPECT_TRUE((ac == 3 && bd == 4) || (ac == 4 && bd == 3)) << seed << ": " << ac << bd;
        EXPECT_EQ(c.GetTisch(2), ac) << seed;
        EXPECT_EQ(d.GetTisch(2), bd) << seed;
        EXPECT_EQ(a.GetGegner(2), 3);
        EXPECT_EQ(Team("A").Tische[2], ac);
        EXPECT_TRUE(messages.shown.empty()) << seed;
    }
}

TEST_F(TeampaarungTest, RoundAboveFiveIsRefusedWithAMessageAndNothingChanges) {
    TischeZufaellig = false;
    TSpieler& a = Mitglied(1, "A", 1);
    TSpieler& b = Mitglied(2, "B", 1);
    for (int r = 1; r <= 5; ++r)
        Spiel(a, b, r, 0, 0, 0, 0, r);
    AktuellerSpieltag = 6;
    ErstelleTeampaarungen();
    VorbereitenTeampaarung();
    KeinePaarungenMehrfach = false;
    ASSERT_TRUE(PaareTeamsRekursiv(0));
    const auto vorher = Zustand();

    try {
        UebernehmeTeampaarung();
        FAIL() << "a sixth team round was committed";
    } catch (const TuvonError& e) {
        EXPECT_NE(std::string(e.what()).find("Spieltag 6"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Zustand(), vorher);
    EXPECT_EQ(a.GetRundenAnzahl(), 5);
    EXPECT_THROW(SetzeFesteTeampaarung(0, 1), TuvonError);
    EXPECT_EQ(Zustand(), vorher);

    // The other steps of a team round above five do nothing.
    Teampaarungsliste.push_back(std::make_unique<TPaarung>());
    Teampaarungsliste.back()->Nummer1 = 1;
    Teampaarungsliste.back()->Nummer2 = 2;
    Teampaarungsliste.back()->SetTisch(3);
    UebernehmeTeamTische();
    UebernehmeTeamPaarungen();
    EXPECT_EQ(Zustand(), vorher);

    // With the rule on, a search in round 6 reads the five recorded rounds only: A and B met.
    KeinePaarungenMehrfach = true;
    EXPECT_FALSE(TeamPaarungErlaubt(0, 1));
    AktuellerSpieltag = 0;
    EXPECT_THROW(UebernehmeTeampaarung(), TuvonError);
    EXPECT_EQ(Zustand(), vorher);
}

TEST_F(TeampaarungTest, FixedPairingWithAMissingTeamIsRefused) {
    TeamsMitEinemMitglied("AB");
    EXPECT_THROW(SetzeFesteTeampaarung(FindeTeam("X"), 1), TuvonError);
    EXPECT_THROW(SetzeFesteTeampaarung(0, 2), TuvonError);
    EXPECT_FALSE(Team("A").Gepaart);
    EXPECT_FALSE(Team("B").Gepaart);
    EXPECT_EQ(Team("A").Gegner[1], -1);
}

TEST_F(TeampaarungTest, MembersNamingRemovedPlayersAreSkipped) {
    TischeZufaellig = false;
    Aufstellung({{"A", 1}, {"B", 1}, {"A", 2}, {"B", 2}});
    // Player 4 leaves after the teams were read: B's slot 2 still names him.
    Spielerliste.pop_back();
    SetzeFesteTeampaarung(FindeTeam("A"), FindeTeam("B"));
    Team("A").Tische[1] = 3;
    Team("B").Tische[1] = 3;
    UebernehmeTeamPaarungen();
    EXPECT_EQ(Spieler(1).GetGegner(1), 2);
    EXPECT_EQ(Spieler(2).GetGegner(1), 1);
    EXPECT_EQ(Spieler(3).GetGegner(1), -1);
    EXPECT_EQ(Spieler(1).GetTisch(1), 3);
}

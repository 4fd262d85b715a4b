#include "core/Teamturnier.h"
#include "core/Tische.h"
#include "platform/Errors.h"

#include "RecordingMessages.h"
#include "TeamFabrik.h"

#include <gtest/gtest.h>

using namespace teamfabrik;
using testaufbau::Spiel;

namespace {

class TeampaarungTest : public TeamTest {
protected:
    RecordingMessages messages;

    static TSpieler& Spieler(int nummer) { return *FindeSpieler(nummer); }

    // Each team's partner of the run, in list order: "AD|BC|..." lists A's partner D and so on.
    static std::string Partner() {
        std::string text;
        for (const auto& t : Teamliste)
            text += t->Name.str() +
                    (t->Gegner[0] < 0 ? "-" : Teamliste[size_t(t->Gegner[0])]->Name.str()) + "|";
        return text;
    }

    static void Fest(const char* a, const char* b) {
        SetzeFesteTeampaarung(FindeTeam(a), FindeTeam(b));
    }
};

// Everything a refused commit must leave alone: the players' rounds and the teams.
std::vector<std::vector<int>> Zustand() {
    std::vector<std::vector<int>> zustand;
    for (const auto& s : Spielerliste) {
        std::vector<int> zeile{s->Startnummer};
        for (int r = 1; r <= s->GetRundenAnzahl(); ++r)
            zeile.insert(zeile.end(), {s->GetGegner(r), s->GetTisch(r)});
        zustand.push_back(zeile);
    }
    for (const auto& t : Teamliste) {
        std::vector<int> zeile{t->Gepaart};
        for (const auto* feld : {&t->Gegner, &t->Mitglieder, &t->Tische})
            zeile.insert(zeile.end(), feld->begin(), feld->end());
        zustand.push_back(zeile);
    }
    return zustand;
}

} // namespace

TEST_F(TeampaarungTest, SearchAvoidsEarlierOpponentsAndBacktracks) {
    // A met B and C before, B has not met C: A must take D, B takes C.
    Aufstellung({{"A", 1}, {"B", 1}, {"C", 1}, {"D", 1}});
    Team("A").Gegner[1] = Team("B").Nummer;
    Team("A").Gegner[2] = Team("C").Nummer;
    AktuellerSpieltag = 3;
    ASSERT_TRUE(PaareTeamsRekursiv(0));
    EXPECT_EQ(Partner(), "AD|BC|CB|DA|");

    // Round 2, where only C : D of round 1 counts: A : B leaves C : D, so the search goes back.
    VorbereitenTeampaarung();
    AktuellerSpieltag = 2;
    Team("A").Gegner[1] = -1;
    Team("C").Gegner[1] = Team("D").Nummer;
    ASSERT_TRUE(PaareTeamsRekursiv(0));
    EXPECT_EQ(Partner(), "AC|BD|CA|DB|");

    // Without the rule the first free team is taken, even an old opponent.
    VorbereitenTeampaarung();
    KeinePaarungenMehrfach = false;
    ASSERT_TRUE(PaareTeamsRekursiv(0));
    EXPECT_EQ(Partner(), "AB|BA|CD|DC|");
}

TEST_F(TeampaarungTest, FailedSearchUntiesEverythingButTheFixedPairings) {
    Aufstellung({{"A", 1}, {"B", 1}, {"C", 1}, {"D", 1}, {"E", 1}});
    Fest("D", "E");
    EXPECT_FALSE(PaareTeamsRekursiv(0)); // three open teams
    EXPECT_EQ(Partner(), "A-|B-|C-|DE|ED|");
    EXPECT_EQ(Team("D").Gegner[1], Team("E").Nummer);

    // Four teams where every open pair met before: tried through and given up.
    VorbereitenTeampaarung();
    Spielerliste.pop_back();
    Teamliste.pop_back();
    AktuellerSpieltag = 4;
    const char* treffen[] = {"AB", "CD", "AC", "BD", "AD", "BC"};
    for (int i = 0; i < 6; ++i) {
        const std::string a(1, treffen[i][0]), b(1, treffen[i][1]);
        Team(a).Gegner[size_t(i / 2 + 1)] = Team(b).Nummer;
        Team(b).Gegner[size_t(i / 2 + 1)] = Team(a).Nummer;
    }
    EXPECT_FALSE(PaareTeamsRekursiv(0));
    EXPECT_EQ(Partner(), "A-|B-|C-|D-|");
    for (const auto& t : Teamliste)
        EXPECT_FALSE(t->Gepaart);
}

TEST_F(TeampaarungTest, CommitPairsMembersSlotAgainstSlotAtTheTeamsTable) {
    TischeZufaellig = false; // tables by list position
    // A's slot 3 and B's slot 4 have no counterpart; C's slot 2 is deleted. E plays itself.
    Aufstellung({{"A", 1},
                 {"A", 2},
                 {"A", 3},
                 {"B", 1},
                 {"B", 2},
                 {"B", 4},
                 {"C", 1},
                 {"C", 2},
                 {"D", 1},
                 {"D", 2},
                 {"E", 1}});
    Spieler(8).Geloescht = true;
    Fest("E", "E");
    ASSERT_TRUE(PaareTeamsRekursiv(0));
    UebernehmeTeampaarung();

    EXPECT_EQ(Team("A").Gegner[1], Team("B").Nummer);
    EXPECT_EQ(Team("D").Gegner[1], Team("C").Nummer);
    ASSERT_EQ(Teampaarungsliste.size(), 3u);
    const int tischAB = Team("A").Tische[1];
    EXPECT_EQ(Team("B").Tische[1], tischAB);
    EXPECT_NE(Team("C").Tische[1], tischAB);
    std::vector<int> gegner, tisch;
    for (int n = 1; n <= 11; ++n) {
        gegner.push_back(Spieler(n).GetGegner(1));
        tisch.push_back(Spieler(n).GetTisch(1));
    }
    // A deleted member plays no more; his counterpart is left without a game.
    EXPECT_EQ(gegner, (std::vector<int>{4, 5, -1, 1, 2, -1, 9, -1, 7, -1, 11}));
    EXPECT_EQ(tisch[0], tischAB);
    EXPECT_EQ(tisch[4], tischAB);
    EXPECT_EQ(tisch[2], 0);
    EXPECT_EQ(tisch[8], Team("D").Tische[1]);
    EXPECT_EQ(tisch[10], Team("E").Tische[1]);
    EXPECT_GE(tisch[10], 1);

    // Paired again, the round keeps nothing of the first pairing.
    VorbereitenTeampaarung();
    Fest("A", "C");
    Fest("B", "D");
    Fest("E", "E");
    UebernehmeTeampaarung();
    EXPECT_EQ(Spieler(5).GetGegner(1), 10);
    EXPECT_EQ(Spieler(6).GetGegner(1), -1);
    EXPECT_EQ(Spieler(2).GetGegner(1) * 100 + Spieler(2).GetTisch(1), -100);
    EXPECT_EQ(Team("C").Gegner[1], Team("A").Nummer);
    ASSERT_EQ(Teampaarungsliste.size(), 3u);
    EXPECT_EQ(Teampaarungsliste[0]->Name2 + Teampaarungsliste[1]->Name2, "CD");
}

TEST_F(TeampaarungTest, ATableRepeatOfTheTeamsIsReported) {
    KeinePaarungenMehrfach = false;
    Aufstellung({{"A", 1}, {"B", 1}});
    Spiel(Spieler(1), Spieler(2), 1, 0, 0, 0, 0, 1);
    AktuellerSpieltag = 2;
    ErstelleTeampaarungen();
    Fest("A", "B");
    UebernehmeTeampaarung(); // one table only, where both teams sat before
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.substr(0, 2), "2 ");
    EXPECT_EQ(Spieler(2).GetTisch(2), 1);
}

TEST_F(TeampaarungTest, RoundAboveFiveIsRefusedAndNothingChanges) {
    TischeZufaellig = false;
    Aufstellung({{"A", 1}, {"B", 1}});
    for (int r = 1; r <= 5; ++r)
        Spiel(Spieler(1), Spieler(2), r, 0, 0, 0, 0, r);
    AktuellerSpieltag = 6;
    ErstelleTeampaarungen();
    VorbereitenTeampaarung();
    EXPECT_FALSE(TeamPaarungErlaubt(0, 1)) << "the five recorded rounds still count";
    KeinePaarungenMehrfach = false;
    ASSERT_TRUE(PaareTeamsRekursiv(0));
    const auto vorher = Zustand();
    EXPECT_THROW(UebernehmeTeampaarung(), TuvonError);
    EXPECT_THROW(SetzeFesteTeampaarung(0, 1), TuvonError);
    Teampaarungsliste.push_back(std::make_unique<TPaarung>());
    Teampaarungsliste[0]->Nummer1 = Teampaarungsliste[0]->Nummer2 = 1;
    UebernehmeTeamTische();
    UebernehmeTeamPaarungen();
    EXPECT_EQ(Zustand(), vorher);

    // A fixed pairing naming no team is refused too.
    AktuellerSpieltag = 1;
    VorbereitenTeampaarung();
    EXPECT_THROW(SetzeFesteTeampaarung(FindeTeam("X"), 1), TuvonError);
    EXPECT_FALSE(Team("B").Gepaart);
}

TEST_F(TeampaarungTest, MembersNamingRemovedPlayersAreSkipped) {
    Aufstellung({{"A", 1}, {"B", 1}, {"A", 2}, {"B", 2}});
    Spielerliste.pop_back(); // player 4 leaves after the teams were read
    Fest("A", "B");
    Team("A").Tische[1] = Team("B").Tische[1] = 3;
    UebernehmeTeamPaarungen();
    EXPECT_EQ(Spieler(1).GetGegner(1) * 10 + Spieler(1).GetTisch(1), 23);
    EXPECT_EQ(Spieler(3).GetGegner(1), -1);
}

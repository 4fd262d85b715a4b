#include "core/Paarungslauf.h"
#include "CoreState.h"
#include "RecordingMessages.h"
#include "core/Data.h"
#include "core/Teamturnier.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

class Paarungslauf : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCoreState();
        RegistrierePaarenTexte();
    }
    // Players 1..n; the army rating places player 1 first.
    static void Spieler(int n) {
        for (int k = 1; k <= n; ++k) {
            Spielerliste.push_back(std::make_unique<TSpieler>());
            TSpieler& s = *Spielerliste.back();
            s.Startnummer = k;
            s.Vorname = "Vn" + std::to_string(k);
            s.Name = "Nn" + std::to_string(k);
            s.Armee = "A" + std::to_string(k);
            s.Armeebewertung = 100 - k;
        }
    }
    static int Gegner(int nummer) { return FindeSpieler(nummer)->GetGegner(AktuellerSpieltag); }

    RecordingMessages messages;
};

} // namespace

TEST_F(Paarungslauf, SearchesOnAnotherThreadAndCommitsAfterwards) {
    Spieler(6);
    AktuellerSpieltag = 2;
    const TPaarungslauf lauf = PaarungVorbereiten({"Vn6 Nn6", "Vn6 Nn6"});
    ASSERT_EQ(lauf.Ergebnis, TPaarungslauf::Stand::Suche);
    EXPECT_TRUE(lauf.Freilos);
    EXPECT_EQ(lauf.Start, 0);
    // Every player holds the round before the search starts.
    for (const auto& s : Spielerliste)
        EXPECT_EQ(s->GetRundenAnzahl(), 2);

    bool gefunden = false;
    std::thread([&] { gefunden = PaarungSuchen(lauf); }).join();
    ASSERT_TRUE(gefunden);
    int geschlossen = 0;
    EXPECT_TRUE(PaarungAbschliessen(lauf, gefunden, [&] {
        ++geschlossen;
        EXPECT_TRUE(messages.shown.empty()) << "the dialog closes before the messages";
    }));
    EXPECT_EQ(geschlossen, 1);
    EXPECT_EQ(Gegner(6), 6);
    EXPECT_EQ(Gegner(5), 5);
    EXPECT_EQ(Gegner(1), 2);
    EXPECT_EQ(Gegner(3), 4);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].caption, "Halvener Paarungs Programm");
}

// Only the fixed pairings and what the server stored meanwhile stay in the players' rounds.
TEST_F(Paarungslauf, AFailedSearchIsReportedAndNothingCommitted) {
    Spieler(4);
    for (const auto& s : Spielerliste)
        s->Armee = "Orks";
    FindeSpieler(1)->SetPunkte(1, 5);
    AktuellerSpieltag = 3;
    const TPaarungslauf lauf = PaarungVorbereiten({"Vn4 Nn4", "Vn3 Nn3"});
    ASSERT_EQ(lauf.Ergebnis, TPaarungslauf::Stand::Suche);
    FindeSpieler(2)->SetPunkte(3, 7); // a result a client sent during the search
    EXPECT_FALSE(PaarungSuchen(lauf));
    EXPECT_FALSE(PaarungAbschliessen(lauf, false, [] { FAIL() << "must stay open"; }));
    EXPECT_EQ(messages.Texts(RecordedMessage::Message),
              std::vector<std::string>{"Paaren nicht erfolgreich, bitte Restriktionen lockern"});
    std::vector<int> runden, gegner;
    for (int nummer = 1; nummer <= 4; ++nummer) {
        runden.push_back(FindeSpieler(nummer)->GetRundenAnzahl());
        gegner.push_back(Gegner(nummer));
    }
    EXPECT_EQ(runden, (std::vector<int>{1, 3, 3, 3}));
    EXPECT_EQ(gegner, (std::vector<int>{-1, -1, 4, 3}));
    EXPECT_EQ(FindeSpieler(2)->GetPunkte(3), 7);
}

TEST_F(Paarungslauf, ATeamRoundBeyondFiveIsRefusedBeforeAnythingIsWritten) {
    Teamturnier = true;
    Spieler(4);
    AktuellerSpieltag = 6;
    EXPECT_THROW(PaarungVorbereiten({}), TuvonError);
    for (const auto& s : Spielerliste)
        EXPECT_EQ(s->GetRundenAnzahl(), 0);
}

TEST_F(Paarungslauf, AnUnknownNameInAFixedPairingIsAnError) {
    Spieler(4);
    try {
        PaarungVorbereiten({"Vn1 Nn1", "Niemand"});
        FAIL();
    } catch (const TuvonError& e) {
        EXPECT_NE(std::string(e.what()).find("Niemand"), std::string::npos);
    }
    EXPECT_EQ(Gegner(1), -1) << "both names are looked up before anything is written";
}

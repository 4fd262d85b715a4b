#include "archive/ArchivSchritte.h"

#include "Archivbau.h"
#include "CoreState.h"
#include "Spielerbau.h"
#include "TempDir.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

class ArchivSchritteTest : public ::testing::Test {
protected:
    FrischerZustand zustand_;
    TempDir dir;
};

} // namespace

TEST_F(ArchivSchritteTest, AFailedWriteLeavesTheArchiveAndTheLinksAsBefore) {
    NeuesTurnier(NeuePerson("Anna Arm"), 1, 30, {11});
    SpielerAnlegen(1, "Anna", "Arm");
    SpielerAnlegen(2, "Bert", "Berg");

    EXPECT_THROW(TurnierArchivieren("Cup", dir / "fehlt" / "Archiv.dat"), EInOutError);
    EXPECT_EQ(Archiv.Personen.size(), 1u);
    EXPECT_EQ(Archiv.Personen[0]->Count(), 1);
    for (const auto& s : Spielerliste)
        EXPECT_EQ(s->ArchivID, -1) << s->GetName();

    TurnierArchivieren("Cup", dir / "Archiv.dat");
    ASSERT_EQ(Archiv.Personen.size(), 2u);
    EXPECT_EQ(std::make_tuple(Archiv.Personen[0]->Count(), Archiv.Personen[1]->Count()),
              std::make_tuple(2, 1))
        << "stored once, not twice";
    EXPECT_TRUE(std::filesystem::exists(dir / "Archiv.dat"));
}

TEST_F(ArchivSchritteTest, EachNameFoundBecomesANewLinkedPlayer) {
    TPerson& anna = NeuePerson("Anna");
    anna.Herkunft = "Halven";
    anna.Armee = "Orks";
    anna.Team = "Rot"; // the player keeps its own team
    NeuePerson("Anna");
    NeuePerson(std::string(50, 'L')).Armee = std::string(40, 'A');
    SpielerAnlegen(1, "", "Anna");

    SpielerAusArchiv({"Anna", " Anna ", "Niemand", std::string(50, 'L')});

    using Zeile =
        std::tuple<int, std::string, std::string, int, std::string, std::string, std::string>;
    std::vector<Zeile> spieler;
    for (const auto& s : Spielerliste)
        spieler.emplace_back(s->Startnummer, s->Vorname.str(), s->Name.str(), s->ArchivID,
                             s->Herkunft.str(), s->Armee.str(), s->Team.str());
    EXPECT_EQ(spieler, (std::vector<Zeile>{
                           {1, "", "Anna", -1, "Neutral", "", "Neutral"},
                           {2, "", "Anna", 0, "Halven", "Orks", "Neutral"},
                           {3, "", "Anna", 0, "Halven", "Orks", "Neutral"},
                           {4, "", std::string(45, 'L'), 2, "", std::string(30, 'A'), "Neutral"},
                       }));
}

#include "archive/ArchivSchritte.h"

#include "Archivbau.h"
#include "CoreState.h"
#include "Spielerbau.h"
#include "TempDir.h"
#include "platform/Errors.h"
#include "platform/LineFile.h"

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

TEST_F(ArchivSchritteTest, AnArchivePartlyReadIsNeitherChangedNorWrittenOver) {
    // The first person's tournament count is no number: nothing after it may be lost.
    const std::string damaged = "2\r\n2\r\nAnna\r\n0\r\n\r\nO\r\nT\r\ndrei\r\n"
                                "Bert\r\n1\r\n\r\nO\r\nT\r\n0\r\n";
    WriteBytes(dir / "Archiv.dat", damaged);
    EXPECT_THROW(Archiv.LoadFromFile(dir / "Archiv.dat"), EInOutError);
    SpielerAnlegen(1, "Carla", "Chor");

    try {
        TurnierArchivieren("Cup", dir / "Archiv.dat");
        ADD_FAILURE() << "stored";
    } catch (const TuvonError& e) {
        EXPECT_NE(std::string(e.what()).find(PathText(dir / "Archiv.dat")), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(ReadBytes(dir / "Archiv.dat"), damaged);
    EXPECT_TRUE(Archiv.Personen.empty());
    EXPECT_EQ(Spielerliste[0]->ArchivID, -1);

    WriteBytes(dir / "Archiv.dat", "2\r\n0\r\n");
    Archiv.LoadFromFile(dir / "Archiv.dat");
    TurnierArchivieren("Cup", dir / "Archiv.dat");
    EXPECT_EQ(Archiv.Personen.size(), 1u) << "a whole read stores again";
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

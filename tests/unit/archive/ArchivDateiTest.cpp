#include "archive/Spielerarchiv.h"

#include "CoreState.h"
#include "TempDir.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

class ArchivDateiTest : public ::testing::Test {
protected:
    std::filesystem::path Datei(const std::string& bytes) {
        const auto file = dir / "Archiv.dat";
        WriteBytes(file, bytes);
        return file;
    }

    FrischerZustand zustand;
    TempDir dir;
};

// Two persons, the first with two tournaments (the second of them without rounds), the second
// without any; "K\xF6ln" is the origin written in Windows-1252.
const std::string Version1 = "1\r\n2\r\n"
                             "Anna Alt\r\n0\r\nx y\r\nK\xF6ln\r\n2\r\n"
                             "Cup A\r\nOrks\r\n3\r\n25\r\n2\r\n1\r\n10\r\n-1\r\n15\r\n"
                             "Cup B\r\nZwerge\r\n7\r\n0\r\n0\r\n"
                             "Bernd\r\n1\r\n\r\nNeutral\r\n0\r\n";

const std::string AlsVersion2 = "2\r\n2\r\n"
                                "Anna Alt\r\n0\r\nx y\r\nK\xF6ln\r\nNeutral\r\n2\r\n"
                                "Cup A\r\nOrks\r\n3\r\n25\r\n2\r\n1\r\n10\r\n-1\r\n15\r\n"
                                "Cup B\r\nZwerge\r\n7\r\n0\r\n0\r\n"
                                "Bernd\r\n1\r\n\r\nNeutral\r\nNeutral\r\n0\r\n";

} // namespace

TEST_F(ArchivDateiTest, ReadsVersionOneWritesVersionTwoAndReadsThatBackByteForByte) {
    const auto out = dir / "neu.dat";
    Archiv.SaveToFile(out);
    EXPECT_EQ(ReadBytes(out), "2\r\n0\r\n") << "an empty archive";
    EXPECT_THROW(Archiv.SaveToFile(out / "Archiv.dat"), EInOutError);

    Archiv.LoadFromFile(Datei(Version1));

    ASSERT_EQ(Archiv.Personen.size(), 2u);
    const TPerson& anna = *Archiv.Personen[0];
    EXPECT_EQ(std::tie(anna.Name, anna.Id, anna.Extra, anna.Herkunft, anna.Team),
              std::make_tuple("Anna Alt", 0, "x y", "K\xF6ln", "Neutral"));
    EXPECT_EQ(anna.Armee, "Zwerge") << "the army of the last tournament";
    ASSERT_EQ(anna.Count(), 2);
    const TTurnier& cup = *anna.Turniere[0];
    EXPECT_EQ(std::tie(cup.Name, cup.Armee, cup.Platz, cup.Punkte, cup.Runden),
              std::make_tuple("Cup A", "Orks", 3, 25, 2));
    EXPECT_EQ(cup.Gegner, (std::array<int, 5>{1, -1}));
    EXPECT_EQ(cup.Ergebnis, (std::array<int, 5>{10, 15}));
    EXPECT_EQ(anna.Turniere[1]->Runden, 0);
    const TPerson& bernd = *Archiv.Personen[1];
    EXPECT_EQ(std::tie(bernd.Name, bernd.Extra, bernd.Armee), std::make_tuple("Bernd", "", ""));
    EXPECT_EQ(bernd.Count(), 0);

    Archiv.SaveToFile(out);
    EXPECT_EQ(ReadBytes(out), AlsVersion2);

    // Version 2 carries the team; reading replaces the persons.
    std::string bytes = AlsVersion2;
    bytes.replace(bytes.find("K\xF6ln\r\nNeutral"), 13, "K\xF6ln\r\nTeam Rot");
    Archiv.LoadFromFile(Datei(bytes));
    EXPECT_EQ(Archiv.Personen[0]->Team, "Team Rot");
    EXPECT_EQ(Archiv.Personen[0]->Armee, "Zwerge");
    Archiv.SaveToFile(out);
    EXPECT_EQ(ReadBytes(out), bytes);
}

TEST_F(ArchivDateiTest, KeepsFiveRoundSlotsOfALongerRecordAndStaysInStep) {
    Archiv.LoadFromFile(Datei("2\r\n2\r\n"
                              "A\r\n0\r\n\r\nO\r\nT\r\n1\r\n"
                              "Lang\r\nElfen\r\n1\r\n70\r\n7\r\n"
                              "1\r\n11\r\n1\r\n12\r\n1\r\n13\r\n1\r\n14\r\n1\r\n15\r\n"
                              "1\r\n16\r\n1\r\n17\r\n"
                              "B\r\n1\r\n\r\nO\r\nT\r\n0\r\n"));
    ASSERT_EQ(Archiv.Personen.size(), 2u);
    const TTurnier& lang = *Archiv.Personen[0]->Turniere[0];
    EXPECT_EQ(lang.Runden, 5);
    EXPECT_EQ(lang.Ergebnis[4], 15);
    EXPECT_EQ(Archiv.Personen[1]->Name, "B") << "the pairs beyond the fifth were read past";

    const auto out = dir / "neu.dat";
    Archiv.SaveToFile(out);
    EXPECT_EQ(ReadBytes(out), "2\r\n2\r\n"
                              "A\r\n0\r\n\r\nO\r\nT\r\n1\r\n"
                              "Lang\r\nElfen\r\n1\r\n70\r\n5\r\n"
                              "1\r\n11\r\n1\r\n12\r\n1\r\n13\r\n1\r\n14\r\n1\r\n15\r\n"
                              "B\r\n1\r\n\r\nO\r\nT\r\n0\r\n");
}

TEST_F(ArchivDateiTest, ABrokenFileFailsKeepingTheCompletePersonsBeforeTheFault) {
    const struct {
        std::string bytes, meldung;
        size_t bleiben;
    } faelle[] = {
        {"", "Archiv.dat", 0},
        // The third person's place is not a number: the third is dropped.
        {"2\r\n3\r\n" + AlsVersion2.substr(6) +
             "Carla\r\n2\r\n\r\nO\r\nT\r\n1\r\nCup\r\nOrks\r\nzwei\r\n",
         "zwei", 2},
        {AlsVersion2.substr(0, AlsVersion2.find("Bernd") + 10), "Archiv.dat", 1},
    };
    for (const auto& f : faelle) {
        try {
            Archiv.LoadFromFile(Datei(f.bytes));
            ADD_FAILURE() << f.bytes;
        } catch (const EInOutError& e) {
            EXPECT_NE(std::string(e.what()).find(f.meldung), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("Archiv.dat"), std::string::npos) << e.what();
        }
        EXPECT_EQ(Archiv.Personen.size(), f.bleiben) << f.bytes;
    }
    EXPECT_THROW(Archiv.LoadFromFile(Datei("3\r\n0\r\n")), EFileFormatError);
    EXPECT_TRUE(Archiv.Personen.empty()) << "loading replaces the persons";
    EXPECT_THROW(Archiv.LoadFromFile(dir / "fehlt.dat"), EInOutError);
}

TEST_F(ArchivDateiTest, StartupReadsTheFileOfTheProgramDirectoryWhenItExists) {
    ProgrammVerzeichnis = dir.path().string();
    Archiv.LoadFromFile(Datei(AlsVersion2));
    std::filesystem::remove(dir / "Archiv.dat");
    ArchivStarten();
    EXPECT_TRUE(Archiv.Personen.empty()) << "no file: an empty archive";
    EXPECT_TRUE(PlayerList.empty());

    Datei(AlsVersion2);
    ArchivStarten();
    EXPECT_EQ(Archiv.Personen.size(), 2u);
    ASSERT_EQ(PlayerList.size(), 2u) << "the ranking is built after reading";
    EXPECT_EQ(PlayerList[0]->Punkte, 25);

    Datei("2\r\nviele\r\n");
    EXPECT_THROW(ArchivStarten(), EInOutError);
    EXPECT_TRUE(Archiv.Personen.empty());
}

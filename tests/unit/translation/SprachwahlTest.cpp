#include "translation/Sprachwahl.h"

#include "TempDir.h"
#include "platform/Errors.h"
#include "translation/Translate.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// The name held as Windows-1252; its file on disk is named in UTF-8.
const std::string Francais = std::string("Fran\xe7") + "ais";
const std::string FrancaisDatei = std::string("Fran\xc3\xa7") + "ais.tlf";

class SprachwahlTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTranslator();
        LanguageName.clear();
        RegisterText(1, 1, "Paaren");
        RegisterText(1, 2, "Spieler");
    }
    void TearDown() override { UseOriginal = true; }

    // The remembered choice, the flags and the text of (1, 1), after the step.
    std::string Stand() {
        const std::string wahl = std::filesystem::exists(dir / "Language")
                                     ? ReadBytes(dir / "Language")
                                     : std::string("(none)");
        return wahl + "|" + LanguageName + "|" + (UseOriginal ? "orig" : "trans") + "|" +
               GetTranslation(1, 1);
    }
    TempDir dir;
};

} // namespace

TEST_F(SprachwahlTest, ListsLanguageFilesOfAnyCaseSortedWithoutRegardToCase) {
    EXPECT_TRUE(Sprachen(dir.path()).empty());
    for (const std::string& datei :
         {std::string("Zulu.tlf"), FrancaisDatei, std::string("English.TLF"),
          std::string("alpha.TlF"), std::string("notes.txt"), std::string("tlf"),
          std::string("b.tlf.bak"), std::string("English.tlf")})
        WriteBytes(dir / datei, "1\r\n");
    std::filesystem::create_directory(dir / "Ordner.tlf");
    EXPECT_EQ(Sprachen(dir.path()),
              (std::vector<std::string>{"alpha", "English", "English", Francais, "Zulu"}));
    EXPECT_EQ(Sprachdatei(dir.path(), "English"), dir / "English.TLF");
    EXPECT_EQ(Sprachdatei(dir.path(), Francais), dir / FrancaisDatei);
    EXPECT_EQ(Sprachdatei(dir.path(), "zulu"), dir / "Zulu.tlf") << "letter case ignored last";
    EXPECT_EQ(Sprachdatei(dir.path(), "Zulu "), std::nullopt);
    EXPECT_EQ(Sprachdatei(dir.path(), "Ordner"), std::nullopt);
}

TEST_F(SprachwahlTest, TheCommandLoadsOrFallsBackToBuiltInAndTheNextStartFollows) {
    WriteBytes(dir / FrancaisDatei, "1\r\n1||1||Paaren||Apparier||\r\n");
    const std::string gewaehlt = Francais + "\r\n|" + Francais + "|trans|Apparier";
    struct Fall {
        bool original;
        std::string name, danach;
    };
    for (const Fall& f :
         {Fall{false, Francais, gewaehlt}, Fall{true, Francais, "||orig|Paaren"},
          Fall{false, Francais, gewaehlt}, Fall{false, "Klingonisch", "||orig|Paaren"}}) {
        SpracheWaehlen(dir.path(), f.original, f.name);
        EXPECT_EQ(Stand(), f.danach) << f.name << f.original;
        // A fresh start reads what the command remembered.
        LanguageName.clear();
        UseOriginal = true;
        SpracheBeimStartLaden(dir.path());
        EXPECT_EQ(Stand(), f.danach) << "next start";
    }
}

TEST_F(SprachwahlTest, StartFindsTheRememberedLanguageInAnyLetterCase) {
    WriteBytes(dir / "English.TLF", "1\r\n1||1||Paaren||Pair||\r\n");
    WriteBytes(dir / "Language", "english\r\n");
    SpracheBeimStartLaden(dir.path());
    EXPECT_EQ(Stand(), "english\r\n|English|trans|Pair") << "named as listed, for the chooser";
}

TEST_F(SprachwahlTest, AFailedLoadOrWriteKeepsTheRememberedChoice) {
    WriteBytes(dir / "English.TLF", "1\r\n1||1||Paaren||Pair||\r\n");
    SpracheWaehlen(dir.path(), false, "English");
    WriteBytes(dir / "Kaputt.TLF", "1\r\n1||2||Spieler||Players||\r\nx||1||a||b||\r\n");
    EXPECT_THROW(SpracheWaehlen(dir.path(), false, "Kaputt"), EConvertError);
    EXPECT_EQ(Stand(), "English\r\n|English|trans|Pair");
    EXPECT_EQ(GetTranslation(1, 2), "Players") << "lines read before the fault stay applied";

    // A "Language" that cannot be replaced stays as it was.
    chmod((dir / "Language").c_str(), 0444);
    for (bool original : {true, false})
        EXPECT_THROW(SpracheWaehlen(dir.path(), original, "English"), EInOutError);
    EXPECT_EQ(ReadBytes(dir / "Language"), "English\r\n");
    EXPECT_EQ(LanguageName, "English");
}

TEST_F(SprachwahlTest, WritesTheOriginalOrTheChosenLanguagesOwnFile) {
    const std::string original = "1\r\n1||1||Paaren||Paaren||\r\n1||2||Spieler||Spieler||\r\n";
    WriteBytes(dir / FrancaisDatei, "1\r\n1||1||Paaren||Apparier||\r\n");
    SprachfileSchreiben(dir.path(), true, Francais);
    EXPECT_EQ(ReadBytes(dir / "Original.TLF"), original);
    EXPECT_EQ(Stand(), "(none)||orig|Paaren");

    LoadLanguageFile(dir / FrancaisDatei);
    SprachfileSchreiben(dir.path(), false, Francais);
    EXPECT_EQ(ReadBytes(dir / FrancaisDatei),
              "1\r\n1||1||Paaren||Apparier||\r\n1||2||Spieler||Spieler||\r\n");
    EXPECT_EQ(Stand(), "(none)|" + Francais + "|trans|Apparier");

    // Only another language's existing file is at stake when writing.
    WriteBytes(dir / "Dansk.TLF", "1\r\n");
    const struct {
        bool original;
        std::string name;
        bool gefragt;
    } faelle[] = {{true, "Dansk", false},
                  {false, Francais, false},
                  {false, "Dansk", true},
                  {false, "Klingonisch", false}};
    for (const auto& f : faelle)
        EXPECT_EQ(FremdeSprachdatei(dir.path(), f.original, f.name).has_value(), f.gefragt)
            << f.name;
    UseOriginal = true;
    EXPECT_TRUE(FremdeSprachdatei(dir.path(), false, Francais)) << "the built-in texts are loaded";

    // A language file that cannot be replaced keeps its old bytes.
    chmod((dir / "Original.TLF").c_str(), 0444);
    SetTranslation(1, 1, "neu");
    EXPECT_THROW(SprachfileSchreiben(dir.path(), true, ""), EInOutError);
    EXPECT_EQ(ReadBytes(dir / "Original.TLF"), original);
}

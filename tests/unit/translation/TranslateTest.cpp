#include "translation/Translate.h"
#include "platform/Errors.h"
#include "platform/LineFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

class TranslateTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTranslator();
        ShowNumbers = false;
        RegisterText(1, 1, "Paaren");
        RegisterText(1, 2, "Spieler");
        RegisterText(1, 3, "Ergebnis");
        RegisterText(7, 3, "Erwartete Version ist: ");
        RegisterText(5, 1, "A");
    }
    void TearDown() override {
        ShowNumbers = false;
        UseOriginal = true;
    }
    TempDir dir;
};

} // namespace

TEST_F(TranslateTest, FetchesRegisteredTextsAndEmptyForEverythingElse) {
    EXPECT_EQ(GetTranslation(5, 1), "A");
    ShowNumbers = true;
    EXPECT_EQ(GetTranslation(5, 1), "A(5/1)");
    EXPECT_EQ(GetTranslation(5, 2), "") << "unregistered ids carry no number either";
    EXPECT_EQ(GetTranslation(0, 1), "");
    EXPECT_EQ(GetTranslation(24, 1), "");
    EXPECT_EQ(GetTranslatorList(0), nullptr);
    EXPECT_EQ(GetTranslatorList(24), nullptr);
    RegisterText(24, 1, "ignored");
    RegisterText(0, 1, "ignored");
    EXPECT_EQ(GetTranslatorList(23)->size(), 0u);
}

TEST_F(TranslateTest, LastRegisteredEntryWinsAndEmptyTranslationCountsAsAbsent) {
    RegisterText(5, 1, "B");
    EXPECT_EQ(GetTranslation(5, 1), "B");
    SetTranslation(5, 1, "");
    EXPECT_EQ(GetTranslation(5, 1), "B") << "SetTranslation changes only the first entry";
    SetTranslation(1, 1, "");
    ShowNumbers = true;
    EXPECT_EQ(GetTranslation(1, 1), "") << "empty translation hides even the original";
    SetTranslation(1, 99, "x");
    SetTranslation(30, 1, "x");
    EXPECT_EQ(GetTranslatorList(1)->size(), 3u) << "SetTranslation never creates entries";
}

TEST_F(TranslateTest, LoadAppliesLinesWithTheirFieldRulesAndStopsAtABadNumber) {
    const struct {
        std::string bytes;
        bool fehler;
        std::vector<std::tuple<int, int, std::string>> texte;
    } faelle[] = {
        {"anything at all\r\n1||1||Paaren||Pair||\r\n1||2||X||\r\n1||3||a||b||\r\n7||\r\n"
         "5||1||q||Y||Z||\r\n9||9||unknown||u||\r\n",
         false,
         // Three fields show the third; id and text carry over from the line before; fields
         // beyond the fourth are ignored.
         {{1, 1, "Pair"}, {1, 2, "X"}, {1, 3, "b"}, {7, 3, "b"}, {5, 1, "Y"}}},
        // A line without separator repeats the previous one, and before any line is nothing.
        {"1\r\nno separator\r\n1||2||S||T||\r\nagain\r\n", false, {{1, 2, "T"}, {1, 1, "Paaren"}}},
        {"", false, {{1, 1, "Paaren"}}},
        {"1\r\n1||||a||b||\r\n", true, {{1, 1, "Paaren"}}},
        {"1\r\n1||1||Paaren||Pair||\r\nx||1||a||b||\r\n1||2||S||never||\r\n",
         true,
         {{1, 1, "Pair"}, {1, 2, "Spieler"}}},
    };
    const auto file = dir / "de.TLF";
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.bytes);
        SetUp();
        WriteBytes(file, f.bytes);
        if (f.fehler)
            try {
                LoadLanguageFile(file);
                ADD_FAILURE() << "loaded";
            } catch (const EConvertError& e) {
                EXPECT_NE(std::string(e.what()).find(PathText(file) + ", Zeile "),
                          std::string::npos)
                    << e.what();
            }
        else
            LoadLanguageFile(file);
        UseOriginal = false;
        for (const auto& [abschnitt, nummer, text] : f.texte)
            EXPECT_EQ(GetTranslation(abschnitt, nummer), text) << abschnitt << "/" << nummer;
    }
    UseOriginal = true;
    EXPECT_EQ(GetTranslation(1, 1), "Paaren") << "switching back needs no reload";
    // The failed load must not keep the file locked: it can be rewritten at once.
    WriteLanguageFile(file);
    EXPECT_EQ(ReadBytes(file).substr(0, 3), "1\r\n");
    EXPECT_THROW(LoadLanguageFile(dir / "missing.TLF"), EInOutError);
}

TEST_F(TranslateTest, WritesTheWholeTableByteForByteInWindows1252) {
    InitTranslator();
    RegisterText(1, 1, "Paaren");
    RegisterText(1, 2, " Spieler müssen ");
    RegisterText(13, 4, "Übersetzen");
    RegisterText(7, 8, "Halvener Paarungs Programm");
    const auto file = dir / "out.TLF";
    WriteLanguageFile(file);
    const std::string rest = "7||8||Halvener Paarungs Programm||Halvener Paarungs Programm||\r\n"
                             "13||4||\xDC"
                             "bersetzen||\xDC"
                             "bersetzen||\r\n";
    EXPECT_EQ(ReadBytes(file), "1\r\n1||1||Paaren||Paaren||\r\n"
                               "1||2|| Spieler m\xFCssen || Spieler m\xFCssen ||\r\n" +
                                   rest);

    WriteBytes(dir / "in.TLF", "1\r\n1||2||x||Players\xE9||\r\n");
    LoadLanguageFile(dir / "in.TLF");
    UseOriginal = false;
    WriteLanguageFile(file);
    EXPECT_EQ(ReadBytes(file), "1\r\n1||1||Paaren||Paaren||\r\n"
                               "1||2|| Spieler m\xFCssen ||Players\xE9||\r\n" +
                                   rest);
}

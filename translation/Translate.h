#pragma once
// The process-wide text table: every user-visible text by section (1..23) and text number,
// the built-in German text and the loaded translation; language files (".TLF") read and written.
// All texts held here are Windows-1252.
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

class TTranslator {
public:
    int Id = 0;
    std::string Original;
    std::string Translation;
};

constexpr int TranslatorSectionCount = 23;

extern bool UseOriginal;
extern bool ShowNumbers;
extern std::string LanguageName;

// The list of a section, or nullptr for a section outside 1..23.
std::vector<TTranslator>* GetTranslatorList(int section);

// Empties the table and sets UseOriginal. Runs before any registration.
void InitTranslator();

// Appends a text to its section; a section outside 1..23 is ignored. The built-in text is given
// as written in the program's source (UTF-8) and held as Windows-1252.
void RegisterText(int section, int id, const std::string& utf8Text);

// Registers the texts under the ids 1, 2, ... in their order.
void RegisterTexts(int section, std::initializer_list<const char*> utf8Texts);

// The text to show: the last entry with that id whose translation is not empty, its original or
// translation by UseOriginal, with "(section/id)" appended while ShowNumbers is set; else empty.
std::string GetTranslation(int section, int id);

// Sets the translation of the first entry with that id; unknown section or id change nothing.
void SetTranslation(int section, int id, const std::string& text);

// Writes the whole table; an existing file is replaced only once everything was written.
void WriteLanguageFile(const std::filesystem::path& file);
// Applies every line of a language file; a section or id that does not convert ends the load
// with EConvertError naming the file and the line, the lines before it staying applied.
void LoadLanguageFile(const std::filesystem::path& file);

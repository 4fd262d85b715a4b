#include "translation/Translate.h"

#include "platform/Convert.h"
#include "platform/Cp1252.h"
#include "platform/LineFile.h"

#include <array>

bool UseOriginal = true;
bool ShowNumbers = false;
std::string LanguageName;

namespace {

std::array<std::vector<TTranslator>, TranslatorSectionCount>& Sections() {
    static std::array<std::vector<TTranslator>, TranslatorSectionCount> sections;
    return sections;
}

// The fields before each "||"; what follows the last one is dropped.
std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t pos = line.find("||"); pos != std::string::npos; pos = line.find("||", start)) {
        fields.push_back(line.substr(start, pos - start));
        start = pos + 2;
    }
    return fields;
}

} // namespace

std::vector<TTranslator>* GetTranslatorList(int section) {
    if (section < 1 || section > TranslatorSectionCount)
        return nullptr;
    return &Sections()[static_cast<size_t>(section - 1)];
}

void InitTranslator() {
    for (auto& list : Sections())
        list.clear();
    UseOriginal = true;
}

void RegisterText(int section, int id, const std::string& utf8Text) {
    auto* list = GetTranslatorList(section);
    if (!list)
        return;
    const std::string text = Utf8ToCp1252(utf8Text);
    list->push_back(TTranslator{id, text, text});
}

void RegisterTexts(int section, std::initializer_list<const char*> utf8Texts) {
    int id = 0;
    for (const char* text : utf8Texts)
        RegisterText(section, ++id, text);
}

std::string GetTranslation(int section, int id) {
    std::string result;
    const auto* list = GetTranslatorList(section);
    if (!list)
        return result;
    for (const auto& entry : *list) {
        if (entry.Id != id || entry.Translation.empty())
            continue;
        result = UseOriginal ? entry.Original : entry.Translation;
        if (ShowNumbers)
            result += "(" + IntToStr(section) + "/" + IntToStr(id) + ")";
    }
    return result;
}

void SetTranslation(int section, int id, const std::string& text) {
    auto* list = GetTranslatorList(section);
    if (!list)
        return;
    for (auto& entry : *list) {
        if (entry.Id == id) {
            entry.Translation = text;
            return;
        }
    }
}

void WriteLanguageFile(const std::filesystem::path& file) {
    std::string bytes = "1\r\n";
    for (int section = 1; section <= TranslatorSectionCount; ++section) {
        for (const auto& entry : *GetTranslatorList(section)) {
            const std::string& shown = UseOriginal ? entry.Original : entry.Translation;
            bytes += IntToStr(section) + "||" + IntToStr(entry.Id) + "||" + entry.Original + "||" +
                     shown + "||\r\n";
        }
    }
    // A translator's file that fails to be written must not be lost half-way.
    WriteFileAtomically(file, bytes);
}

void LoadLanguageFile(const std::filesystem::path& file) {
    LineReader reader(file); // closed by its destructor, also when a line fails to convert
    std::string line;
    if (!reader.ReadLine(line))
        return;
    int section = -1;
    int id = -1;
    std::string shown; // the built-in text of field 3 is not needed to apply a line
    while (reader.ReadLine(line)) {
        const auto fields = SplitFields(line);
        if (fields.size() >= 1)
            section = reader.Zahl(fields[0]);
        if (fields.size() >= 2)
            id = reader.Zahl(fields[1]);
        if (fields.size() == 3)
            shown = fields[2];
        if (fields.size() >= 4)
            shown = fields[3];
        SetTranslation(section, id, shown);
    }
}

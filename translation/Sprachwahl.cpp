#include "translation/Sprachwahl.h"

#include "platform/Cp1252.h"
#include "platform/LineFile.h"
#include "translation/Translate.h"

#include <algorithm>
#include <tuple>

namespace fs = std::filesystem;

namespace {

const std::string Endung = ".tlf";
const char* const Sprachwahldatei = "Language";

struct TSprachdatei {
    std::string name;
    fs::path datei;
};

std::string Gross(std::string text) {
    for (char& c : text)
        c = static_cast<char>(Cp1252Upper(static_cast<unsigned char>(c)));
    return text;
}

bool EndetAufTlf(const std::string& dateiname) {
    return dateiname.size() >= Endung.size() &&
           SameTextIgnoringCase(dateiname.substr(dateiname.size() - Endung.size()), Endung);
}

std::vector<TSprachdatei> Sprachdateien(const fs::path& ordner) {
    std::vector<TSprachdatei> dateien;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        std::error_code art;
        if (!it->is_regular_file(art))
            continue;
        const std::string dateiname = Utf8ToCp1252(PathText(it->path().filename()));
        if (EndetAufTlf(dateiname))
            dateien.push_back({dateiname.substr(0, dateiname.size() - Endung.size()), it->path()});
    }
    std::sort(dateien.begin(), dateien.end(), [](const TSprachdatei& a, const TSprachdatei& b) {
        const std::string ga = Gross(a.name), gb = Gross(b.name);
        if (ga != gb)
            return ga < gb;
        return std::tie(a.name, a.datei) < std::tie(b.name, b.datei);
    });
    return dateien;
}

fs::path Pfad(const fs::path& ordner, const std::string& cp1252Name) {
    const std::string utf8 = Cp1252ToUtf8(cp1252Name);
    return ordner / fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The listed file of a language: "<name>.TLF", else another file of that name, else one whose
// name differs only in letter case (as on a file system that ignores case, but on every one).
std::optional<TSprachdatei> Finde(const fs::path& ordner, const std::string& name) {
    const auto dateien = Sprachdateien(ordner);
    const auto erste = [&dateien](auto passt) -> std::optional<TSprachdatei> {
        const auto it = std::find_if(dateien.begin(), dateien.end(), passt);
        return it != dateien.end() ? std::optional<TSprachdatei>(*it) : std::nullopt;
    };
    if (auto d = erste([&name](const TSprachdatei& d) {
            return d.name == name && Utf8ToCp1252(PathText(d.datei.filename())) == name + ".TLF";
        }))
        return d;
    if (auto d = erste([&name](const TSprachdatei& d) { return d.name == name; }))
        return d;
    return erste([&name](const TSprachdatei& d) { return SameTextIgnoringCase(d.name, name); });
}

} // namespace

std::vector<std::string> Sprachen(const fs::path& ordner) {
    std::vector<std::string> namen;
    for (const auto& datei : Sprachdateien(ordner))
        namen.push_back(datei.name);
    return namen;
}

std::optional<fs::path> Sprachdatei(const fs::path& ordner, const std::string& name) {
    const auto datei = Finde(ordner, name);
    return datei ? std::optional<fs::path>(datei->datei) : std::nullopt;
}

std::optional<fs::path> FremdeSprachdatei(const fs::path& ordner, bool original,
                                          const std::string& name) {
    if (original || (!UseOriginal && LanguageName == name))
        return std::nullopt;
    return Sprachdatei(ordner, name);
}

void SpracheBeimStartLaden(const fs::path& ordner) {
    const fs::path wahl = ordner / Sprachwahldatei;
    std::error_code ec;
    if (!fs::exists(wahl, ec))
        return;
    std::string name;
    LineReader(wahl).ReadLine(name);
    const auto datei = Finde(ordner, name);
    if (!datei)
        return;
    UseOriginal = false;
    LoadLanguageFile(datei->datei);
    // As listed, so the chooser finds it when "Language" differs in letter case.
    LanguageName = datei->name;
}

void SpracheWaehlen(const fs::path& ordner, bool original, const std::string& name) {
    const auto datei = original ? std::nullopt : Sprachdatei(ordner, name);
    if (!datei) {
        UseOriginal = true;
        WriteFileAtomically(ordner / Sprachwahldatei, "");
        LanguageName.clear();
        return;
    }
    UseOriginal = false;
    LoadLanguageFile(*datei);
    WriteFileAtomically(ordner / Sprachwahldatei, name + "\r\n");
    LanguageName = name;
}

void SprachfileSchreiben(const fs::path& ordner, bool original, const std::string& name) {
    UseOriginal = original;
    LanguageName = original ? std::string() : name;
    const fs::path datei = original
                               ? ordner / "Original.TLF"
                               : Sprachdatei(ordner, name).value_or(Pfad(ordner, name + ".TLF"));
    WriteLanguageFile(datei);
}

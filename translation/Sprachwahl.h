#pragma once
// The language choice: which language files lie in the program's folder, the remembered choice
// in "Language" (its first line names the language; no line means the built-in texts), and the
// steps of the language command, the start-up load and "Sprachfile Schreiben".
//
// Language names are Windows-1252 text, as "Language" holds them. A language file is the name
// with the extension ".tlf" in any letter case, on every file system.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The names of the language files in the folder (regular files only), sorted without regard to
// letter case and, where that ties, by their bytes, so the order never depends on the file
// system. A name is listed once for each of its files.
std::vector<std::string> Sprachen(const std::filesystem::path& ordner);

// The file of a language: "<name>.TLF" when it exists, else the first listed file of that name,
// else the first whose name differs from it only in letter case.
std::optional<std::filesystem::path> Sprachdatei(const std::filesystem::path& ordner,
                                                 const std::string& name);

// The file "Sprachfile Schreiben" would write over with the texts of another language (the
// loaded one, or none): the chosen language's existing file when that language is not loaded.
// Its translations would be lost, so the organiser is asked first. nullopt for "Original.TLF",
// for the loaded language's own file and when the chosen language has no file.
std::optional<std::filesystem::path> FremdeSprachdatei(const std::filesystem::path& ordner,
                                                       bool original, const std::string& name);

// Start-up: loads the language that "Language" names when its file exists (found as Sprachdatei
// finds it) and sets LanguageName to the name as listed; otherwise nothing changes. A file that
// fails to load raises its error, with LanguageName unchanged.
void SpracheBeimStartLaden(const std::filesystem::path& ordner);

// The language command: the built-in texts (also for a language whose file has gone), or the
// named language loaded; "Language" is rewritten to match and LanguageName set. A load or write
// that fails raises its error and leaves "Language" and LanguageName as they were.
void SpracheWaehlen(const std::filesystem::path& ordner, bool original, const std::string& name);

// "Sprachfile Schreiben": the whole text table into "Original.TLF" with the built-in texts, or
// into the named language's file (its existing file, else "<name>.TLF") with the translations.
// Sets UseOriginal and LanguageName to the choice; "Language" is not touched.
void SprachfileSchreiben(const std::filesystem::path& ordner, bool original,
                         const std::string& name);

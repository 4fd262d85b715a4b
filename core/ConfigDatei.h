#pragma once
// The options defaults file "Config.dat" in the program's directory. Text, CR LF, Windows-1252:
//
//   line 1       version: "2" is written; read as an integer
//   lines 2..21  one line per option control in the order of ConfigFeld (core/Optionen.h):
//                switches "TRUE" or "FALSE", number fields as the text of their edit; a file
//                older than a line's version lacks that line
//   then         the neutral origins, teams and armies: each a count line, then one value a line
//
// Reading follows the way a text reader takes these lines apart: the version and the counts are
// integers, read past leading blanks and line ends up to the first blank or control character,
// the rest of their line ignored and 0 at the end of the file; every other line is read whole and
// is empty past the end of the file. A switch is on only for exactly "TRUE".
#include "core/Optionen.h"

#include <filesystem>
#include <string>
#include <vector>

// Takes the values in file order as they are read, so that what was read before a damaged line
// stays applied.
class ConfigZiel {
public:
    virtual ~ConfigZiel() = default;
    virtual void SetzeSchalter(ConfigFeld feld, bool an) = 0;
    virtual void SetzeText(ConfigFeld feld, const std::string& text) = 0;
    virtual void NeutralHinzufuegen(ConfigListe liste, const std::string& wert) = 0;
};

// What is written.
class ConfigQuelle {
public:
    virtual ~ConfigQuelle() = default;
    virtual bool Schalter(ConfigFeld feld) const = 0;
    virtual std::string Text(ConfigFeld feld) const = 0;
    virtual std::vector<std::string> Neutral(ConfigListe liste) const = 0;
};

// ProgrammVerzeichnis/Config.dat
std::filesystem::path ConfigDateiPfad();

// Reads the file into the target; false, with nothing read, when the file does not exist.
// A version or count line that is not an integer ends the reading with EInOutError; the values
// before it have reached the target. Values of a list past the end of the file are not added.
bool LeseConfigDatei(const std::filesystem::path& datei, ConfigZiel& ziel);
// The same from the file's bytes; datei names it in messages.
void LeseConfigBytes(const std::string& bytes, const std::filesystem::path& datei,
                     ConfigZiel& ziel);

// Writes version 2 from the source, replacing the file only once everything was written.
void SchreibeConfigDatei(const std::filesystem::path& datei, const ConfigQuelle& quelle);
std::string ConfigBytes(const ConfigQuelle& quelle);

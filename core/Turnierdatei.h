#pragma once
// The tournament file: the whole tournament in one binary file (little-endian, no padding),
// written as format version 18; the reader takes versions 1 to 17 as well and reads any higher
// version as 18.
#include <string>
#include <string_view>

constexpr int TurnierdateiVersion = 18;

// Writes the tournament to Dateiname. The file is built in memory and replaces the previous one
// only after it was written whole, so a failed save leaves the old file as it was.
void SpeichereTurnier();

// Replaces the players and the stored options, table groups and matrix by the content of
// Dateiname. The file is read whole before anything changes: a file that cannot be read, ends
// early, holds a version below 1 or impossible counts raises (EInOutError, EFileFormatError naming the file) and
// leaves the tournament as it was. Pairing lists and Dateiname are not touched.
void LadeTurnier();

// The bytes SpeichereTurnier writes for the current tournament.
std::string TurnierdateiBytes();
// LadeTurnier on bytes already in memory; dateiText names the file in errors.
void LadeTurnierdatei(std::string_view bytes, const std::string& dateiText);

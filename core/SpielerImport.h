#pragma once
// The player import file of the ranking service "T3": a version line, the tournament's title and
// id, a count and one line per player whose fields each end in "||".
#include <filesystem>

// Takes over the title and id and appends one new player per player line, each with a fresh
// start number; a player whose display name is taken gets a number behind the surname.
// A wrong version line shows a message and changes nothing. A bad number ends the import with
// EConvertError, a file with fewer player lines than announced with EFileFormatError; what was
// read before stays, the faulty line's player is not added.
void ImportiereSpieler(const std::filesystem::path& datei);

#pragma once
// What the three archive dialogs do with the archive: store the running tournament, list the
// all-time ranking, and create players from archive persons.
#include <filesystem>
#include <string>
#include <vector>

// Links every player, appends the tournament under the name and writes the archive to the file.
// When any step fails the archive in memory and the players' links are put back as they were
// before, so that a second try does not store the tournament twice; the error is raised.
// An archive whose file was not read whole is neither changed nor written: TuvonError.
void TurnierArchivieren(const std::string& name, const std::filesystem::path& datei);

// The ranking rebuilt and sorted, one line per person: the name directly followed by
// "(points/tournaments)(wins/draws/losses)".
std::vector<std::string> Ranglistenzeilen();

// For each name in order, a new player from the first person of that name (names without a
// person are skipped): the person's name, origin and army cut to the player's fields, linked to
// the person, with the next free start number. Players of the same name are not looked for.
void SpielerAusArchiv(const std::vector<std::string>& namen);

#pragma once
// The folder that holds the program file, where every settings file lives.
#include <filesystem>

std::filesystem::path ProgrammOrdner();
// Window tests point the settings folder at a directory of their own; an empty path returns to
// the program file's folder.
void SetzeProgrammOrdner(const std::filesystem::path& ordner);

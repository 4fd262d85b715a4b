#pragma once
// Conversions at the window boundary: the data model holds Windows-1252, Qt holds UTF-16.
#include <QString>
#include <filesystem>
#include <string>

QString Qs(const std::string& cp1252);
std::string Cp(const QString& text);
QString PathToQString(const std::filesystem::path& path);
std::filesystem::path QStringToPath(const QString& path);

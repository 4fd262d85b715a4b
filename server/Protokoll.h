#pragma once
// The remote clients' protocol: the texts on the wire, the request keywords and the log lines.
// Every text here is sent or logged byte for byte as the clients and the organiser know it.
#include <string>
#include <string_view>

inline constexpr std::string_view Begruessung = "Connection Established...";
inline constexpr std::string_view Bestaetigung = "Accepting Request";
inline constexpr std::string_view NochNichtAngemeldet = "Logging In";

enum class Anfrage { Keine, Hole, Sende, Matrix };

// The request a line asks for: the first of "Hole", "Sende", "Matrix" found anywhere in it,
// letter case as written.
Anfrage ErkenneAnfrage(std::string_view zeile);

std::string LogAngemeldet(const std::string& name);
std::string LogGesendet(const std::string& name, const std::string& zeile);
std::string LogSpielerGeholt(const std::string& name, int startnummer);
std::string LogMatrixGeholt(const std::string& name);
std::string LogErgebnis(const std::string& name, int startnummer, int zweiteNummer, int sieg1,
                        int sieg2);
std::string LogAbgemeldet(const std::string& name);

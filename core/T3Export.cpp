#include "core/T3Export.h"

#include "core/Data.h"
#include "core/Exporte.h"
#include "platform/Convert.h"
#include "platform/Cp1252.h"
#include "platform/Errors.h"

#include <cstdio>

namespace {

constexpr const char* Trenner = "||";

// A "|" at either end would run into the separator beside it, and "|||" splits either way.
bool Trennt(const std::string& wert) {
    return wert.find(Trenner) != std::string::npos ||
           wert.find_first_of("\r\n") != std::string::npos ||
           (!wert.empty() && (wert.front() == '|' || wert.back() == '|'));
}

[[noreturn]] void Abgelehnt(const std::string& wer, const char* feld) {
    throw TuvonError("Die T3-Exportdatei wurde nicht geschrieben: " + wer + ", Feld \"" + feld +
                     "\" enthält \"||\", ein \"|\" am Rand oder einen Zeilenumbruch.");
}

std::string DatumText(const TDatum& datum) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", datum.Tag, datum.Monat, datum.Jahr);
    return text;
}

std::string OhneNeutral(const std::string& wert) {
    return wert == "Neutral" ? std::string() : wert;
}

std::string Spielerzeile(const TSpieler& s, long long platz, int runde) {
    const std::pair<const char*, std::string> texte[] = {
        {"T3-ID", s.T3ID.str()},
        {"Vorname", s.Vorname.str()},
        {"Name", s.Name.str()},
        {"Nickname", s.Nickname.str()},
        {"Armee", s.Armee.str()},
        {"Herkunft", OhneNeutral(s.Herkunft.str())},
        {"Team", OhneNeutral(s.Team.str())},
    };
    std::string zeile;
    for (const auto& [feld, wert] : texte) {
        if (Trennt(wert))
            Abgelehnt("Spieler \"" + TextFuerMeldung(s.GetName()) + "\"", feld);
        zeile += wert + Trenner;
    }
    for (const long long zahl :
         {platz, static_cast<long long>(s.Gesamtpunkte), PunkteBisRunde(s, runde),
          static_cast<long long>(s.Siegpunktdifferenz), static_cast<long long>(s.Armeebewertung),
          static_cast<long long>(s.Bemalung), static_cast<long long>(s.Quiz),
          static_cast<long long>(s.FairplayGesamt)})
        zeile += IntToStr(zahl) + Trenner;
    return zeile + IntToStr(s.Sonstiges) + "||x";
}

} // namespace

std::vector<std::string> T3ExportZeilen(int runde, const TDatum& datum) {
    if (Trennt(T3TurnierID.str()))
        Abgelehnt("Turnier", "TID");
    std::vector<std::string> zeilen{"#Tuvon-Exportdatei, v1.3.3 Export vom " + DatumText(datum) +
                                        "||x",
                                    "#TID-" + T3TurnierID.str() + "||x"};
    for (size_t i = 0; i < Spielerliste.size(); ++i)
        zeilen.push_back(Spielerzeile(*Spielerliste[i], static_cast<long long>(i) + 1, runde));
    return zeilen;
}

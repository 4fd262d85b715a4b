#include "server/Protokoll.h"

#include "platform/Convert.h"

Anfrage ErkenneAnfrage(std::string_view zeile) {
    if (zeile.find("Hole") != std::string_view::npos)
        return Anfrage::Hole;
    if (zeile.find("Sende") != std::string_view::npos)
        return Anfrage::Sende;
    if (zeile.find("Matrix") != std::string_view::npos)
        return Anfrage::Matrix;
    return Anfrage::Keine;
}

std::string LogAngemeldet(const std::string& name) {
    return "Client " + name + " has logged in";
}

std::string LogGesendet(const std::string& name, const std::string& zeile) {
    return "Client " + name + " has sent " + zeile;
}

std::string LogSpielerGeholt(const std::string& name, int startnummer) {
    return "Client " + name + " fetched Player " + IntToStr(startnummer);
}

std::string LogMatrixGeholt(const std::string& name) {
    return "Client " + name + " fetched Matrix";
}

std::string LogErgebnis(const std::string& name, int startnummer, int zweiteNummer, int sieg1,
                        int sieg2) {
    return LogGesendet(name, IntToStr(startnummer) + ":" + IntToStr(zweiteNummer) + "(" +
                                 IntToStr(sieg1) + ":" + IntToStr(sieg2) + ")");
}

std::string LogAbgemeldet(const std::string& name) {
    return "Client " + name + " has logged off";
}

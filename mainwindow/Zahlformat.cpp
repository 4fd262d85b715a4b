#include "mainwindow/Zahlformat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string ZahlAllgemein(double wert, char dezimal) {
    if (wert == 0.0)
        return "0";
    if (std::isnan(wert))
        return "NAN";
    if (std::isinf(wert))
        return wert > 0 ? "INF" : "-INF";
    char puffer[40];
    // d.dddddddddddddde±x: 15 significant digits, correctly rounded.
    std::snprintf(puffer, sizeof puffer, "%.14e", std::fabs(wert));
    std::string ziffern;
    const char* p = puffer;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            ziffern += *p;
    const int exponent = std::atoi(p + 1);
    while (ziffern.size() > 1 && ziffern.back() == '0')
        ziffern.pop_back();

    std::string text = wert < 0 ? "-" : "";
    if (exponent >= 15 || std::fabs(wert) < 0.00001) {
        text += ziffern[0];
        if (ziffern.size() > 1)
            text += dezimal + ziffern.substr(1);
        return text + "E" + std::to_string(exponent);
    }
    if (exponent < 0)
        return text + "0" + dezimal + std::string(static_cast<size_t>(-exponent - 1), '0') +
               ziffern;
    const auto vorn = static_cast<size_t>(exponent + 1);
    if (ziffern.size() <= vorn)
        return text + ziffern + std::string(vorn - ziffern.size(), '0');
    return text + ziffern.substr(0, vorn) + dezimal + ziffern.substr(vorn);
}

std::string ZahlZweiStellen(double wert, char dezimal) {
    std::string text(static_cast<size_t>(std::snprintf(nullptr, 0, "%.2f", wert)), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.2f", wert);
    if (text == "-0.00")
        text = "0.00";
    const auto punkt = text.find('.');
    if (punkt != std::string::npos)
        text[punkt] = dezimal;
    return text;
}

#pragma once
// Fractional numbers as the views show them, with the decimal separator of the user's settings.
#include <string>

// The shortest form with up to 15 significant digits: fixed notation while the value has at most
// 15 digits before the separator and is not below 0.00001 in size, else "1,5E-7" / "1E20".
std::string ZahlAllgemein(double wert, char dezimal);
// Exactly two decimals, no thousands separator.
std::string ZahlZweiStellen(double wert, char dezimal);

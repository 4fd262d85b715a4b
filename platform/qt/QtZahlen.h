#pragma once
// Fractional numbers in the user's number format: the locale's decimal separator, no group
// separators, up to 15 significant digits without trailing zeros.
#include <QString>

QString FloatToText(double wert);
// Raises EConvertError naming the text when it is not a number in that format.
double TextToFloat(const QString& text);

#pragma once
// The one string-to-integer conversion that windows and file readers use.
//
// Accepted: optional blanks (space, tab) before and after, an optional "+" or "-", then one or
// more decimal digits, the value within 32 bits. Nothing else: no hexadecimal form, no thousands
// separator, no empty text. Anything else raises EConvertError naming the text; never a silent 0.
#include <string>
#include <string_view>

int StrToInt(std::string_view text);

// Like StrToInt, but false instead of an error (for fields checked while typing).
bool TryStrToInt(std::string_view text, int& value);

// A decimal integer as the files and reports write it: "-" and digits, no padding.
std::string IntToStr(long long value);

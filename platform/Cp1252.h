#pragma once
// Windows-1252 is the character set of every file and of every text held by the data model;
// conversion to UTF-8 happens only at the edges (windows, file names).
#include <string>
#include <string_view>

// Every byte maps to a character; the five bytes 1252 leaves undefined map to U+0081 etc.
std::string Cp1252ToUtf8(std::string_view cp1252);

// A data text as a message shows it (UTF-8): control bytes as "\xNN", so that a NUL cannot end
// the message nor a line break hide its rest; beyond 100 characters cut and ended by "...".
std::string TextFuerMeldung(std::string_view cp1252);

// Characters without a 1252 byte, and malformed UTF-8, become "?".
std::string Utf8ToCp1252(std::string_view utf8);

// The Unicode code point of one 1252 byte.
char32_t Cp1252ToUnicode(unsigned char byte);

// The upper-case form of one 1252 byte (letters with accents included); other bytes unchanged.
unsigned char Cp1252Upper(unsigned char byte);

// Equal without regard to case, as the lists of values kept for display compare.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

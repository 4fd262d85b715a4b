#pragma once
// Where the program is published and whom to ask: shown in the information box. None has been
// chosen yet, and an address that leads nowhere is worse than none: they stay empty until then.
#define TUVON_WEBSEITE ""

constexpr const char* KontaktDeutschEnglisch = "";
constexpr const char* KontaktFranzoesisch = "";

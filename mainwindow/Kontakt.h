#pragma once
// Where the program is published and whom to ask: shown in the information box.
#define TUVON_WEBSEITE "https://tuvon.example.org"

constexpr const char* KontaktDeutschEnglisch = "kontakt@tuvon.example.org";
constexpr const char* KontaktFranzoesisch = "contact-fr@tuvon.example.org";

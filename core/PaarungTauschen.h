#pragma once
// Re-pairing four players of the round AktuellerSpieltag: the games A-B and C-D become A-C and
// B-D, or A-D and B-C. Players are named by display name, as the swap dialog lists them.
#include <string>

// Makes W and X opponents in round AktuellerSpieltag, and Y and Z. Each new game keeps the table
// of the game it replaces (W's old game for W-X, the other one for Y-Z), in the players' results
// and in the two pairings of Paarungsliste, whose working copies are read again from the players,
// so that result entry and the result server write the new opponents.
//
// Nothing happens when a name matches no player: false then, true after a swap. When the four
// are not four different players who now play two games among themselves (the same game named
// twice, a bye), TuvonError is raised before anything changes.
bool TauschePaarungen(const std::string& w, const std::string& x, const std::string& y,
                      const std::string& z);

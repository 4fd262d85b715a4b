#pragma once
// Removing players from Spielerliste for good. Nothing else changes: results and pairings that
// name a removed player's start number keep naming it and are treated as naming no player (a
// pairing writes only its other side; the number is not given to a new player).
#include <string>

// Removes the first player whose display name is the text (FindeSpielerNachName); false when
// none matches.
bool LoescheSpielerNachName(const std::string& name);
// Removes every player who has not checked in (Gemeldet not set).
void LoescheNichtGemeldete();

#pragma once
// Committing a pairing found by the search into the round AktuellerSpieltag, and the figures of
// the pairing help.

// Writes the opponents of round AktuellerSpieltag from Partner (a bye record for deleted players
// and players without a partner), rebuilds Paarungsliste, seats the top tables, assigns the
// tables, checks them (with its warning) and writes tables and results back into the players.
void UebernehmePaarung();

// Position gaps of the round just paired, over the positions of the last SortiereTabelle:
// a the leader's opponent; b and c the better-placed player and the opponent of the game with the
// largest gap among players placed 1 to 10; d and e the same over all players; -1 where none.
void PaarungsStatistik(int& a, int& b, int& c, int& d, int& e);

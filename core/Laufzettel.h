#pragma once
// The run-sheet options: chosen in the run-sheet dialog, read by the run-sheet report, set to
// their defaults at program start and never saved.
extern bool LaufzettelZweiProPaarung; // two sheets per game, the second with the sides swapped
extern bool LaufzettelTurnierpunkte;  // the tournament-points line
extern bool LaufzettelFairplay;       // the fair-play line
extern bool LaufzettelSzenario;       // the scenario line
extern bool LaufzettelSpielernummern; // start numbers behind the names

void LaufzettelStandard();

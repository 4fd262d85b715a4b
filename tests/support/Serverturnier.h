#pragma once
// A small tournament in round 2 for the result server's tests, and the matrix they use.
//
// Round 2 (AktuellerSpieltag): "Bernd Bär" (2) against "Carl Cox" (3) at table 1, without results;
// "Anna 'Ace' Alt" (1) against "Dora Dahl" (4) at table 2 with results 1200:800 victory points,
// 12:4 points, fair play 3:1, scenario 2:0. Emil Ernst (5) has a bye, Fritz Fink (6) no game.
// Paarungsliste is built (table order: 2-3, then 1-4).
void BaueServerturnier();

// Three rows: 0-99 gives 10:6, 100-499 gives 13:3, from 500 16:0; the matrix is in use.
void SetzeDreiZeilenMatrix();

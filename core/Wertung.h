#pragma once
// Scoring and standings: every player's weighted total and the other computed fields, the sums of
// the origin, team and army aggregates, and the orders of Spielerliste.
#include "core/Data.h"

#include <string>

// The standings column chosen for sorting (numbering of the standings list's columns).
extern int SortierSpalte;

// Scores rounds 1 to runden for every player (deleted ones too) and rebuilds Ortswertung,
// Teamwertung and Armeewertung with their sums and counts. Callers pass QuizWerten,
// FairplayWerten, ArmeebewertungKlassisch, ArmeebewertungVergleichend, BemalungWerten,
// SonstigesWerten and SzenarioWerten.
void BerechneWertung(int runden, bool quiz, bool fairplay, bool klassisch, bool vergleichend,
                     bool bemalung, bool sonstiges, bool szenario);
// BerechneWertung with the option flags in force.
void BerechneWertungMitOptionen(int runden);

// Random totals 0..9999 for every player, to seed a randomly paired first round.
void SetzeZufallswerte();

// Standings order and Platz 1..n.
void SortiereTabelle();
// Sorts by SortierSpalte; false when it fell back to the standings order. Platz is left alone.
bool SortiereNachSpalte();
// "Gruppe" sorts by group, any other text by standings. Platz is left alone.
void SortiereNachGruppe(const std::string& text);

// x rounded to the nearest integer, an exact half to the even neighbour.
double RundeHalbGerade(double x);

// Negative when a goes first, positive when b goes first, 0 when equal.
int VergleicheWertung(const TSpieler& a, const TSpieler& b);
int VergleichePunkte(const TSpieler& a, const TSpieler& b);
int VergleicheQuiz(const TSpieler& a, const TSpieler& b);
int VergleicheGruppe(const TSpieler& a, const TSpieler& b);
int VergleicheBemalung(const TSpieler& a, const TSpieler& b);
int VergleicheArmee(const TSpieler& a, const TSpieler& b);
int VergleicheFairplay(const TSpieler& a, const TSpieler& b);
int VergleicheSonstiges(const TSpieler& a, const TSpieler& b);
int VergleicheSiegpunktdifferenz(const TSpieler& a, const TSpieler& b);
int VergleicheName(const TSpieler& a, const TSpieler& b);

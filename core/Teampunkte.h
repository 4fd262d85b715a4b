#pragma once
// The aggregates of players who share one origin, one team or one army: sums filled by the
// scoring run, averages and ranking computed here.
#include "core/Data.h"
#include "platform/FixedString.h"

class TTeampunkte {
public:
    FixedString<30> Name; // the shared value, trimmed of blanks and control characters
    int SummeSonstiges = 0;
    double Sonstiges = 0.0;
    int SummeGesamt = 0;
    double Gesamt = 0.0; // first ranking key
    int SummePunkte = 0;
    double Punkte = 0.0;
    int SummeFairplay = 0;
    double Fairplay = 0.0;
    int SummeBemalung = 0;
    double Bemalung = 0.0;
    int SummeQuiz = 0;
    double Quiz = 0.0;
    int SummeArmee = 0;
    double Armee = 0.0;
    int SummeDifferenz = 0;
    double Differenz = 0.0;
    int Anzahl = 0; // players in the aggregate

    // Each average := its sum / Anzahl, rounded to two decimals with halves to even.
    // An empty aggregate (Anzahl 0 or less) gets averages of 0.
    void BerechneDurchschnitt();
};

// Negative when a ranks first: higher Gesamt, then higher Anzahl; 0 when both are equal.
int VergleicheTeampunkte(const TTeampunkte& a, const TTeampunkte& b);

// Averages and sorts the three lists; in a team tournament the team aggregates get their sums
// (rounded to two decimals) in place of averages, Anzahl keeping the member count.
void BerechneTeampunkte();

// One aggregate per origin, per team and per army; emptied and refilled by every scoring run.
extern TObjectList<TTeampunkte> Ortswertung;
extern TObjectList<TTeampunkte> Teamwertung;
extern TObjectList<TTeampunkte> Armeewertung;

#pragma once
// The one comparison of the lists kept for display (names, armies, origins, teams): without
// regard to case, in German order, whatever the system's locale (Ä, Ö, Ü beside A, O, U).
#include <QString>
#include <QStringList>

// Negative when a goes first, positive when b goes first, 0 when equal.
int VergleicheOhneFall(const QString& a, const QString& b);
// Equal but for letter case.
bool GleichOhneFall(const QString& a, const QString& b);

// The texts in that order; texts equal but for case keep their order.
QStringList SortiertOhneFall(QStringList texte);

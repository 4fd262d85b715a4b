#pragma once
// Lists kept for display compare and sort their texts without regard to case, in the order of
// the user's language.
#include <QString>
#include <QStringList>

// Negative when a goes first, positive when b goes first, 0 when equal.
int VergleicheOhneFall(const QString& a, const QString& b);

// The texts in that order; texts equal but for case keep their order.
QStringList SortiertOhneFall(QStringList texte);

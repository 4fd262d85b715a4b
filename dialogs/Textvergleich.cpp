#include "dialogs/Textvergleich.h"

#include <QCollator>

#include <algorithm>

int VergleicheOhneFall(const QString& a, const QString& b) {
    QCollator vergleich;
    vergleich.setCaseSensitivity(Qt::CaseInsensitive);
    return vergleich.compare(a, b);
}

QStringList SortiertOhneFall(QStringList texte) {
    std::stable_sort(texte.begin(), texte.end(), [](const QString& a, const QString& b) {
        return VergleicheOhneFall(a, b) < 0;
    });
    return texte;
}

#include "dialogs/Textvergleich.h"

#include <QCollator>

int VergleicheOhneFall(const QString& a, const QString& b) {
    QCollator vergleich;
    vergleich.setCaseSensitivity(Qt::CaseInsensitive);
    return vergleich.compare(a, b);
}

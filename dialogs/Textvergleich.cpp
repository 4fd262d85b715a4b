#include "dialogs/Textvergleich.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace {

QCollator Deutsch() {
    // Not the system's locale: under "C" it would put every umlaut after Z.
    QCollator vergleich{QLocale(QLocale::German, QLocale::Germany)};
    vergleich.setCaseSensitivity(Qt::CaseInsensitive);
    return vergleich;
}

} // namespace

int VergleicheOhneFall(const QString& a, const QString& b) {
    static const QCollator vergleich = Deutsch();
    return vergleich.compare(a, b);
}

bool GleichOhneFall(const QString& a, const QString& b) {
    return VergleicheOhneFall(a, b) == 0;
}

QStringList SortiertOhneFall(QStringList texte) {
    std::stable_sort(texte.begin(), texte.end(), [](const QString& a, const QString& b) {
        return VergleicheOhneFall(a, b) < 0;
    });
    return texte;
}

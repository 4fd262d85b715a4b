#include "reports/Berichtstexte.h"

#include "platform/qt/QtText.h"
#include "translation/Translate.h"

void RegistriereAbschnitt(int abschnitt, std::initializer_list<const char*> texte) {
    int id = 0;
    for (const char* text : texte)
        RegisterText(abschnitt, ++id, text);
}

QString Text(int abschnitt, int id) {
    return Qs(GetTranslation(abschnitt, id));
}

QString Zahl(long long wert) {
    return QString::number(wert);
}

#include "platform/qt/QtZahlen.h"

#include "platform/Errors.h"

#include <QLocale>

namespace {

QLocale Zahlenformat() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

QString FloatToText(double wert) {
    return Zahlenformat().toString(wert, 'g', 15);
}

double TextToFloat(const QString& text) {
    bool ok = false;
    const double wert = Zahlenformat().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw EConvertError("'" + text.toStdString() + "' ist kein gültiger Gleitkommawert");
    return wert;
}

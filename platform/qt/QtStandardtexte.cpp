#include "platform/qt/QtStandardtexte.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool LadeQtStandardtexte() {
    // Lives as long as the application: Qt keeps only a pointer to it.
    static QTranslator qt;
    static const bool geladen =
        qt.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&qt);
    return geladen;
}

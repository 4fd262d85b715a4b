#include "mainwindow/ProgrammStart.h"

#include "mainwindow/FMain.h"
#include "mainwindow/Fenster.h"
#include "platform/Messages.h"
#include "platform/qt/QtMessages.h"
#include "platform/qt/QtStandardtexte.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

void KeineAnzeige() {
    std::fputs("Halvener Paarungs Programm needs a display to show its windows, and none could be "
               "reached.\n"
               "On a machine without one, start it under a virtual display:\n"
               "    apt-get install xvfb && xvfb-run ./run.sh\n",
               stderr);
}

// While the application object is being made, a fatal message means that no window system could
// be reached: say so plainly instead of aborting with a core dump.
void StartMeldungen(QtMsgType art, const QMessageLogContext&, const QString& text) {
    if (art == QtFatalMsg) {
        KeineAnzeige();
        std::_Exit(1);
    }
    if (art != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

bool AnzeigeGesetzt() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int ProgrammStart(int& argc, char** argv) {
    if (!AnzeigeGesetzt()) {
        KeineAnzeige();
        return 1;
    }
    qInstallMessageHandler(StartMeldungen);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationName(QStringLiteral("Halvener Paarungs Programm"));
    LadeQtStandardtexte();
    QtMessages boxen;
    SetMessages(&boxen);

    ErzeugeFenster();
    Main->show();
    const int ergebnis = QApplication::exec();

    ZerstoereFenster();
    SetMessages(nullptr);
    return ergebnis;
}

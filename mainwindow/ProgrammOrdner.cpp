#include "mainwindow/ProgrammOrdner.h"

#include "platform/qt/QtText.h"

#include <QCoreApplication>

namespace {
std::filesystem::path vorgabe;
}

std::filesystem::path ProgrammOrdner() {
    if (!vorgabe.empty())
        return vorgabe;
    return QStringToPath(QCoreApplication::applicationDirPath());
}

void SetzeProgrammOrdner(const std::filesystem::path& ordner) {
    vorgabe = ordner;
}

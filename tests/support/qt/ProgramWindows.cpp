#include "ProgramWindows.h"

#include "CoreState.h"
#include "mainwindow/FMain.h"
#include "mainwindow/Fenster.h"
#include "mainwindow/ProgrammOrdner.h"

ProgramWindows::ProgramWindows() {
    ResetCoreState();
    SetzeProgrammOrdner(folder.path());
}

ProgramWindows::~ProgramWindows() {
    ZerstoereFenster();
    SetzeProgrammOrdner({});
    ResetCoreState();
}

void ProgramWindows::WriteSetting(const std::string& name, const std::string& bytes) {
    WriteBytes(folder / name, bytes);
}

TMain& ProgramWindows::Start() {
    ErzeugeFenster();
    Main->show();
    return *Main;
}

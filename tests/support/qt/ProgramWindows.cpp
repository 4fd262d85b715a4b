#include "ProgramWindows.h"

#include "mainwindow/FMain.h"
#include "mainwindow/Fenster.h"
#include "mainwindow/ProgrammOrdner.h"

ProgramWindows::ProgramWindows() {
    SetzeProgrammOrdner(folder.path());
}

ProgramWindows::~ProgramWindows() {
    ZerstoereFenster();
    SetzeProgrammOrdner({});
}

void ProgramWindows::WriteSetting(const std::string& name, const std::string& bytes) {
    WriteBytes(folder / name, bytes);
}

TMain& ProgramWindows::Start() {
    ErzeugeFenster();
    Main->show();
    return *Main;
}

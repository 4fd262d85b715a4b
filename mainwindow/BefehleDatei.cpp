// The file commands of the main window.
#include "mainwindow/FMain.h"

void TMain::ToolButton1Click() {
    // "Neu" has never done anything: a tournament starts empty only at program start.
}

void TMain::Beenden1Click() {
    close();
}

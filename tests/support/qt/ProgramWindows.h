#pragma once
// Brings the program's windows up for one window test as the program start does, with the
// settings folder in a fresh temporary directory, messages recorded and file dialogs scripted;
// takes them down again at the end.
#include "TempDir.h"
#include "Testumgebung.h"

#include <filesystem>
#include <string>

class TMain;

class ProgramWindows : public Testumgebung {
public:
    // Files to lie in the settings folder before the windows are made can be written with
    // WriteSetting before Start.
    ProgramWindows();
    ~ProgramWindows();

    void WriteSetting(const std::string& name, const std::string& bytes);
    // Creates every window and shows the main window.
    TMain& Start();

    TempDir folder;
};

#pragma once
// The program's run: application object, every window, the message loop. Returns the exit code
// once the main window has closed.
int ProgrammStart(int& argc, char** argv);

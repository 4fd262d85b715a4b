#pragma once
// Every window of the program is created once at start-up, in one fixed order, and lives until the
// program ends; the global form variables point at them.
class TMain;

extern TMain* Main;

// Creates the windows in their order: the main window first (it builds the text table and the
// tournament state that every later window registers with and reads), then the others hidden,
// each parented to the main window. A failure in a window's creation handler is shown and
// start-up goes on with the next window.
void ErzeugeFenster();
// Deletes the windows in reverse order and clears the form variables.
void ZerstoereFenster();

#pragma once
// Puts the process-wide tournament state back to what the main window's creation leaves
// (no players, built-in option values, fresh text table with the core's texts), so that each
// test starts from the same ground. Every module with process-wide state adds its reset here.
void ResetCoreState();

// Resets the state when made and again when it goes.
struct FrischerZustand {
    FrischerZustand() { ResetCoreState(); }
    ~FrischerZustand() { ResetCoreState(); }
};

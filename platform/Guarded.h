#pragma once
// The one place where a command catches the run-time errors and shows the error box. Every menu
// and button handler, and each window's creation and show step, runs its work through Guarded.
#include <functional>

// Runs work; a TuvonError or any other std::exception ends it and is shown in the error box.
// Returns false when work failed.
bool Guarded(const std::function<void()>& work);

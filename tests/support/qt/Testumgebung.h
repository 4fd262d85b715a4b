#pragma once
// The ground of one window test: the process-wide state reset, messages recorded and file
// dialogs scripted; the state is reset again at the end.
#include "CoreState.h"
#include "FakeFileDialogs.h"
#include "RecordingMessages.h"

struct Testumgebung : FrischerZustand {
    RecordingMessages messages;
    FakeFileDialogs dialogs;
};

#pragma once
// The ground of one window test: the process-wide state reset, messages recorded and file
// dialogs and report previews scripted; the state is reset again at the end. A question or file
// dialog the test did not answer fails the test.
#include "CoreState.h"
#include "FakeFileDialogs.h"
#include "FakeVorschauen.h"
#include "RecordingMessages.h"

#include <QTest>

struct Testumgebung : FrischerZustand {
    ~Testumgebung() {
        if (messages.unansweredQuestions > 0 || dialogs.unanswered > 0)
            QTest::qFail("a question or file dialog was left unanswered", __FILE__, __LINE__);
    }

    RecordingMessages messages;
    FakeFileDialogs dialogs;
    FakeVorschauen vorschauen;
};

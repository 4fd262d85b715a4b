#pragma once
// The message seam. Every message box of the program goes through Messages(): in the program it
// shows Qt dialogs (platform/qt/QtMessages), in tests a recording fake answers.
//
// Captions and texts of ShowMessage and Ask are Windows-1252 (they come from the text table and
// the data model); ShowError takes an error's what(), which is UTF-8.
#include <string>

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    // An information box with one OK button and no icon.
    virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
    // A question with Yes and No and no icon; true for Yes.
    virtual bool Ask(const std::string& caption, const std::string& text) = 0;
    // The error box for a run-time error that ended a command.
    virtual void ShowError(const std::string& utf8Message) = 0;
};

MessageSeam& Messages();
// Installs the seam the program or a test uses; the caller keeps ownership. nullptr restores the
// default, which writes to stderr and answers every question with No.
void SetMessages(MessageSeam* seam);

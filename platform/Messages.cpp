#include "platform/Messages.h"

#include "platform/Cp1252.h"

#include <cstdio>

namespace {

// Used before the windows install their seam (and by command-line tools): never blocks.
class StderrMessages final : public MessageSeam {
public:
    void ShowMessage(const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "[%s] %s\n", Cp1252ToUtf8(caption).c_str(),
                     Cp1252ToUtf8(text).c_str());
    }
    bool Ask(const std::string& caption, const std::string& text) override {
        ShowMessage(caption, text);
        return false;
    }
    void ShowError(const std::string& utf8Message) override {
        std::fprintf(stderr, "Fehler: %s\n", utf8Message.c_str());
    }
};

StderrMessages defaultSeam;
MessageSeam* current = &defaultSeam;

} // namespace

MessageSeam& Messages() {
    return *current;
}

void SetMessages(MessageSeam* seam) {
    current = seam ? seam : &defaultSeam;
}

#pragma once
// The message seam of the running program: Qt message boxes over the active window.
#include "platform/Messages.h"

class QtMessages final : public MessageSeam {
public:
    void ShowMessage(const std::string& caption, const std::string& text) override;
    bool Ask(const std::string& caption, const std::string& text) override;
    void ShowError(const std::string& utf8Message) override;
};

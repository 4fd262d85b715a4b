#include "RecordingMessages.h"

void RecordingMessages::ShowMessage(const std::string& caption, const std::string& text) {
    shown.push_back({RecordedMessage::Message, caption, text});
}

bool RecordingMessages::Ask(const std::string& caption, const std::string& text) {
    shown.push_back({RecordedMessage::Question, caption, text});
    if (answers.empty()) {
        ++unansweredQuestions;
        return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

void RecordingMessages::ShowError(const std::string& utf8Message) {
    shown.push_back({RecordedMessage::Error, "", utf8Message});
}

std::size_t RecordingMessages::Count(RecordedMessage::Kind kind) const {
    std::size_t n = 0;
    for (const auto& m : shown)
        n += m.kind == kind;
    return n;
}

std::vector<std::string> RecordingMessages::Texts(RecordedMessage::Kind kind) const {
    std::vector<std::string> texts;
    for (const auto& m : shown)
        if (m.kind == kind)
            texts.push_back(m.text);
    return texts;
}

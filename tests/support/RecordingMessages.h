#pragma once
// A message seam for tests: records every box and answers questions from a queue the test fills.
// A question with an empty queue is a test failure (recorded and answered No), never a hang.
#include "platform/Messages.h"

#include <deque>
#include <string>
#include <vector>

struct RecordedMessage {
    enum Kind { Message, Question, Error } kind;
    std::string caption; // Windows-1252 (empty for errors)
    std::string text;    // Windows-1252 for messages and questions, UTF-8 for errors
};

class RecordingMessages final : public MessageSeam {
public:
    RecordingMessages() { SetMessages(this); }
    ~RecordingMessages() override { SetMessages(nullptr); }
    RecordingMessages(const RecordingMessages&) = delete;
    RecordingMessages& operator=(const RecordingMessages&) = delete;

    void ShowMessage(const std::string& caption, const std::string& text) override;
    bool Ask(const std::string& caption, const std::string& text) override;
    void ShowError(const std::string& utf8Message) override;

    void AnswerNext(bool yes) { answers.push_back(yes); }

    std::vector<RecordedMessage> shown;
    std::deque<bool> answers;
    int unansweredQuestions = 0;

    std::size_t Count(RecordedMessage::Kind kind) const;
    // Texts of the entries of one kind, in order.
    std::vector<std::string> Texts(RecordedMessage::Kind kind) const;
};

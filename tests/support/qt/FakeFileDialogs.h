#pragma once
// A file-dialog seam for window tests: answers from a queue (an empty path means Cancel) and
// records every request. A dialog with an empty queue counts as cancelled and is recorded.
#include "platform/qt/FileDialogs.h"

#include <deque>
#include <vector>

class FakeFileDialogs final : public FileDialogSeam {
public:
    FakeFileDialogs() { SetFileDialogs(this); }
    ~FakeFileDialogs() override { SetFileDialogs(nullptr); }
    FakeFileDialogs(const FakeFileDialogs&) = delete;
    FakeFileDialogs& operator=(const FakeFileDialogs&) = delete;

    std::optional<std::filesystem::path> OpenFile(QWidget* parent,
                                                  const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> SaveFile(QWidget* parent,
                                                  const FileDialogRequest& request) override;

    // Queue the next answer; an empty path cancels.
    void AnswerNext(const std::filesystem::path& file) { answers.push_back(file); }

    std::deque<std::filesystem::path> answers;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    int unanswered = 0;

private:
    std::optional<std::filesystem::path> Next();
};

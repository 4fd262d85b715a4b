#include "FakeFileDialogs.h"

std::optional<std::filesystem::path> FakeFileDialogs::Next() {
    if (answers.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    auto file = answers.front();
    answers.pop_front();
    if (file.empty())
        return std::nullopt;
    return file;
}

std::optional<std::filesystem::path> FakeFileDialogs::OpenFile(QWidget*,
                                                               const FileDialogRequest& request) {
    openRequests.push_back(request);
    return Next();
}

std::optional<std::filesystem::path> FakeFileDialogs::SaveFile(QWidget*,
                                                               const FileDialogRequest& request) {
    saveRequests.push_back(request);
    return Next();
}

#pragma once
// The file-dialog seam: windows ask for file names only through FileDialogs(); tests install a
// fake that answers from a queue.
#include <QString>
#include <filesystem>
#include <optional>
#include <string>

class QWidget;

struct FileDialogRequest {
    QString title;
    std::string filter;       // in the "Name|*.ext|Name|*.*" form the program's texts use
    QString defaultExtension; // without the dot; appended when the name has none
    std::filesystem::path initialPath;
};

class FileDialogSeam {
public:
    virtual ~FileDialogSeam() = default;
    // The chosen file, or nothing when the dialog was cancelled.
    virtual std::optional<std::filesystem::path> OpenFile(QWidget* parent,
                                                          const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> SaveFile(QWidget* parent,
                                                          const FileDialogRequest& request) = 0;
};

FileDialogSeam& FileDialogs();
// The caller keeps ownership; nullptr restores the Qt dialogs.
void SetFileDialogs(FileDialogSeam* seam);

// "Daten(*.dat)|*.dat|Alle|*.*" -> "Daten(*.dat);;Alle (*.*)": a name that ends in its pattern
// keeps it once.
QString QtFilter(const std::string& filter);

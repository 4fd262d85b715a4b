#pragma once
// A file dialog owned by a window: its filter and default extension, and the file name last
// chosen in it, which it offers again on its next showing (for the run only).
#include "platform/qt/FileDialogs.h"

#include <QObject>
#include <filesystem>
#include <string>

class TDateiDialog : public QObject {
    Q_OBJECT
public:
    enum Art { Oeffnen, Speichern };

    TDateiDialog(QWidget* parent, const char* name, Art art, std::string filter,
                 QString defaultExt);

    // Shows the dialog through the file-dialog seam; on OK FileName is the chosen file.
    bool Execute();

    std::filesystem::path FileName;

private:
    QWidget* fenster_;
    Art art_;
    FileDialogRequest anfrage_;
};

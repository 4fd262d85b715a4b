#include "platform/qt/FileDialogs.h"

#include "platform/qt/QtText.h"

#include <QFileDialog>
#include <QStringList>

namespace {

class QtFileDialogs final : public FileDialogSeam {
public:
    std::optional<std::filesystem::path> OpenFile(QWidget* parent,
                                                  const FileDialogRequest& request) override {
        return Run(parent, request, QFileDialog::AcceptOpen);
    }
    std::optional<std::filesystem::path> SaveFile(QWidget* parent,
                                                  const FileDialogRequest& request) override {
        return Run(parent, request, QFileDialog::AcceptSave);
    }

private:
    static std::optional<std::filesystem::path>
    Run(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
        QFileDialog dialog(parent, request.title);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        dialog.setNameFilter(QtFilter(request.filter));
        if (!request.defaultExtension.isEmpty())
            dialog.setDefaultSuffix(request.defaultExtension);
        if (!request.initialPath.empty())
            dialog.selectFile(PathToQString(request.initialPath));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return QStringToPath(dialog.selectedFiles().first());
    }
};

QtFileDialogs qtDialogs;
FileDialogSeam* current = &qtDialogs;

} // namespace

FileDialogSeam& FileDialogs() {
    return *current;
}

void SetFileDialogs(FileDialogSeam* seam) {
    current = seam ? seam : &qtDialogs;
}

QString QtFilter(const std::string& filter) {
    const QStringList parts = Qs(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString muster = "(" + QString(parts[i + 1]).replace(';', ' ') + ")";
        // A name that already shows its pattern, as "Daten(*.dat)" does, shows it once.
        filters << (parts[i].endsWith(muster) ? parts[i] : parts[i] + " " + muster);
    }
    return filters.join(";;");
}

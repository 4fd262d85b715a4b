#include "mainwindow/DateiDialog.h"

#include <QWidget>

TDateiDialog::TDateiDialog(QWidget* parent, const char* name, Art art, std::string filter,
                           QString defaultExt)
    : QObject(parent), fenster_(parent), art_(art) {
    setObjectName(name);
    anfrage_.filter = std::move(filter);
    anfrage_.defaultExtension = std::move(defaultExt);
}

bool TDateiDialog::Execute() {
    anfrage_.initialPath = FileName;
    const auto gewaehlt = art_ == Oeffnen ? FileDialogs().OpenFile(fenster_, anfrage_)
                                          : FileDialogs().SaveFile(fenster_, anfrage_);
    if (!gewaehlt)
        return false;
    FileName = *gewaehlt;
    return true;
}

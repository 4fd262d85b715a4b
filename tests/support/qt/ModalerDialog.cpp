#include "ModalerDialog.h"

#include <QApplication>
#include <QDialog>

ModalerDialog::ModalerDialog(std::function<void(QDialog&)> schritt) : schritt_(std::move(schritt)) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ModalerDialog::Pruefe);
    timer_.start();
}

void ModalerDialog::Pruefe() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog)
        return;
    timer_.stop();
    gezeigt_ = true;
    schritt_(*dialog);
    if (dialog->isVisible())
        dialog->reject();
}

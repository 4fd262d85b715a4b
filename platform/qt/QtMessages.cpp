#include "platform/qt/QtMessages.h"

#include "platform/qt/QtText.h"

#include <QApplication>
#include <QMessageBox>

void QtMessages::ShowMessage(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, Qs(caption), Qs(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtMessages::Ask(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, Qs(caption), Qs(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

void QtMessages::ShowError(const std::string& utf8Message) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    QString::fromStdString(utf8Message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

#pragma once
// Plays the user of the next modal dialog a command shows: once a dialog runs modally, the step
// is run on it from within its event loop (the step closes it, e.g. with a click on OK). Nothing
// happens when no dialog comes up while this object lives.
#include <QDialog>
#include <QObject>
#include <QTimer>
#include <functional>

class ModalerDialog : public QObject {
    Q_OBJECT
public:
    explicit ModalerDialog(std::function<void(QDialog&)> schritt);
    bool Gezeigt() const { return gezeigt_; }

private:
    void Pruefe();

    std::function<void(QDialog&)> schritt_;
    QTimer timer_;
    bool gezeigt_ = false;
};

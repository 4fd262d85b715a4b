#pragma once
// The common ground of the administration dialogs: created once at start-up, shown modally any
// number of times, each showing running FormShow (its errors shown in the error box).
#include <QDialog>

class TFormDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    virtual void FormShow() = 0;

protected:
    void showEvent(QShowEvent* event) override;
};

// A control with its object name, by which tests and translations find it.
template <class T> T* NeuesElement(QWidget* parent, const char* name) {
    auto* widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

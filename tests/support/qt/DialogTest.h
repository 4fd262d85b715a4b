#pragma once
// What every dialog test holds: its ground, the dialog, and the dialog's controls by name.
// Neu (from init) lays a fresh ground, Erzeugen creates the dialog as the program start does,
// Abbauen (from cleanup) takes the dialog down before the ground.
#include "Bedienen.h"
#include "Testumgebung.h"

#include <memory>

template <class Dialog> class DialogTest {
protected:
    void Neu() {
        t_ = std::make_unique<Testumgebung>();
        messages_ = &t_->messages;
    }
    void Erzeugen() {
        dlg_ = std::make_unique<Dialog>();
        dlg_->FormCreate();
    }
    void Abbauen() {
        dlg_.reset();
        t_.reset();
    }

    template <class T> T* W(const char* name) { return Element<T>(dlg_.get(), name); }
    void Klick(const char* knopf) { ::Klick(dlg_.get(), knopf); }
    void Tippe(const char* edit, const QString& text) { ::Tippe(W<QLineEdit>(edit), text); }
    void Tippe(QLineEdit* feld, const QString& text) { ::Tippe(feld, text); }

    std::unique_ptr<Testumgebung> t_;
    RecordingMessages* messages_ = nullptr;
    std::unique_ptr<Dialog> dlg_;
};

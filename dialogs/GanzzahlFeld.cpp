#include "dialogs/GanzzahlFeld.h"

#include "platform/Convert.h"
#include "platform/qt/QtText.h"

#include <QLineEdit>

GanzzahlFeld::GanzzahlFeld(QLineEdit* edit, int startwert, Regel regel)
    : QObject(edit), edit_(edit), letzterWert_(startwert), regel_(regel) {
    edit_->setText(QString::number(startwert));
    connect(edit_, &QLineEdit::textChanged, this, &GanzzahlFeld::TextGeaendert);
}

void GanzzahlFeld::Setzen(int wert) {
    letzterWert_ = wert;
    edit_->setText(QString::number(wert));
}

void GanzzahlFeld::TextGeaendert() {
    int wert = 0;
    QString soll;
    if (TryStrToInt(Cp(edit_->text()), wert) && wert >= regel_.Minimum && wert <= regel_.Maximum) {
        letzterWert_ = wert;
        if (!regel_.Zurueckschreiben)
            return;
        soll = QString::number(wert);
    } else {
        soll = QString::number(letzterWert_);
    }
    // Only a different text, so that writing it back does not run this again without end.
    if (edit_->text() != soll)
        edit_->setText(soll);
}

#pragma once
// A number edit checked while typing: a text that is an integer within the range becomes the
// remembered value; any other text, an empty one too, is replaced by the remembered value.
#include <QObject>

#include <climits>

class QLineEdit;

class GanzzahlFeld : public QObject {
    Q_OBJECT
public:
    struct Regel {
        int Minimum = INT_MIN;
        int Maximum = INT_MAX;
        bool Zurueckschreiben = false; // a valid text is written back in plain decimal form
    };

    GanzzahlFeld(QLineEdit* edit, int startwert, Regel regel);
    GanzzahlFeld(QLineEdit* edit, int startwert) : GanzzahlFeld(edit, startwert, Regel{}) {}

    // Sets the remembered value and shows it.
    void Setzen(int wert);
    int LetzterWert() const { return letzterWert_; }
    QLineEdit* Edit() const { return edit_; }

private:
    void TextGeaendert();

    QLineEdit* edit_;
    int letzterWert_;
    Regel regel_;
};

#pragma once
// A count field that can only show a count in force: it takes decimal digits for a number from 0
// to its maximum and refuses every keystroke (or paste) that would lead anywhere else, so no text
// is left on show that its handler ignores. An empty field is allowed while typing; when editing
// ends on it (Return, focus leaving), the field shows the count in force again.
#include <functional>

class QLineEdit;

void ZahlbereichSetzen(QLineEdit* feld, int hoechstens, std::function<int()> inKraft);

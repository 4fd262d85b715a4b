#include "dialogs/Zahlbereich.h"

#include <QLineEdit>
#include <QValidator>

#include <utility>

namespace {

// QIntValidator would let "20000" through for a maximum of 10000 as unfinished (same number of
// digits), and the field would show it while the count stayed at 2000.
class TZahlbereich : public QValidator {
public:
    TZahlbereich(int hoechstens, std::function<int()> inKraft, QObject* parent)
        : QValidator(parent), hoechstens_(hoechstens), inKraft_(std::move(inKraft)) {}

    State validate(QString& text, int&) const override {
        if (text.isEmpty())
            return Intermediate;
        long long wert = 0;
        for (const QChar c : text) {
            if (c < u'0' || c > u'9')
                return Invalid;
            wert = wert * 10 + (c.unicode() - u'0');
            if (wert > hoechstens_) // more digits only make it larger
                return Invalid;
        }
        return Acceptable;
    }

    void fixup(QString& text) const override {
        if (text.isEmpty())
            text = QString::number(inKraft_());
    }

private:
    int hoechstens_;
    std::function<int()> inKraft_;
};

} // namespace

void ZahlbereichSetzen(QLineEdit* feld, int hoechstens, std::function<int()> inKraft) {
    feld->setValidator(new TZahlbereich(hoechstens, std::move(inKraft), feld));
}

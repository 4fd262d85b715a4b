#pragma once
// A preview seam for window tests: records each preview shown (title and laid-out pages), runs
// the test's step on it instead of a modal loop, and answers the print dialog with a PDF file
// (or cancels it when no file is set).
#include "platform/qt/BerichtVorschau.h"

#include <filesystem>
#include <functional>

class FakeVorschauen final : public VorschauSeam {
public:
    FakeVorschauen() { SetVorschauen(this); }
    ~FakeVorschauen() override { SetVorschauen(nullptr); }
    FakeVorschauen(const FakeVorschauen&) = delete;
    FakeVorschauen& operator=(const FakeVorschauen&) = delete;

    void Zeige(TBerichtVorschau& vorschau) override;
    bool WaehleDrucker(QPrinter& drucker, QWidget* parent) override;

    std::function<void(TBerichtVorschau&)> schritt;
    std::filesystem::path druckDatei;
    int gezeigt = 0;
    QString titel;
    std::vector<TBerichtSeite> seiten;
};

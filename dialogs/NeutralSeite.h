#pragma once
// One page of the options dialog for origins, teams or armies: the considered values on the left,
// the neutral ones on the right, and two buttons that move the selected line across.
// Also the list helpers these pages share; list values are compared and sorted without regard
// to case.
#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

struct TWerteListe;

class NeutralSeite : public QWidget {
    Q_OBJECT
public:
    // Its controls are named as the list declares.
    NeutralSeite(const TWerteListe& namen, QWidget* parent);

    void TexteSetzen(const QString& beruecksichtigt, const QString& neutral);
    void Fuellen(const std::vector<std::string>& links, const std::vector<std::string>& rechts);
    void NeutralAnhaengen(const std::string& wert);
    std::vector<std::string> Links() const;
    std::vector<std::string> Rechts() const;

    void NachRechtsClick();
    void NachLinksClick();

private:
    QLabel* lbLinks_;
    QLabel* lbRechts_;
    QListWidget* links_;
    QListWidget* rechts_;
};

bool ListeEnthaelt(const std::vector<std::string>& liste, const std::string& wert);
// Adds the value when neither list holds it and keeps the first list sorted.
void ErgaenzeWert(std::vector<std::string>& beruecksichtigt,
                  const std::vector<std::string>& neutral, const std::string& wert);
void SortiereListe(std::vector<std::string>& liste);
// The values without repeats (the first spelling stays), without those the other list holds.
std::vector<std::string> OhneDoppelte(const std::vector<std::string>& werte,
                                      const std::vector<std::string>& ausser = {});

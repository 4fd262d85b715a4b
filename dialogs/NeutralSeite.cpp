#include "dialogs/NeutralSeite.h"

#include "core/Optionen.h"
#include "dialogs/Textvergleich.h"
#include "platform/qt/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {

std::vector<std::string> Zeilen(const QListWidget* box) {
    std::vector<std::string> zeilen;
    for (int i = 0; i < box->count(); ++i)
        zeilen.push_back(Cp(box->item(i)->text()));
    return zeilen;
}

void Verschieben(QListWidget* von, QListWidget* nach) {
    const auto gewaehlt = von->selectedItems();
    if (gewaehlt.isEmpty())
        return;
    QListWidgetItem* zeile = gewaehlt.first();
    nach->addItem(zeile->text());
    delete von->takeItem(von->row(zeile));
}

} // namespace

NeutralSeite::NeutralSeite(const TWerteListe& namen, QWidget* parent) : QWidget(parent) {
    setObjectName(namen.Seite);
    lbLinks_ = new QLabel(this);
    lbRechts_ = new QLabel(this);
    links_ = new QListWidget(this);
    rechts_ = new QListWidget(this);
    links_->setObjectName(namen.Links);
    rechts_->setObjectName(namen.Rechts);
    for (QListWidget* box : {links_, rechts_})
        box->setSelectionMode(QAbstractItemView::SingleSelection);
    // The two arrows are fixed captions, not texts of the text table.
    auto* nachRechts = new QPushButton("==>", this);
    auto* nachLinks = new QPushButton("<==", this);
    nachRechts->setObjectName(namen.NachRechts);
    nachLinks->setObjectName(namen.NachLinks);
    connect(nachRechts, &QPushButton::clicked, this, &NeutralSeite::NachRechtsClick);
    connect(nachLinks, &QPushButton::clicked, this, &NeutralSeite::NachLinksClick);

    auto* knoepfe = new QVBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(nachRechts);
    knoepfe->addWidget(nachLinks);
    knoepfe->addStretch();
    auto* raster = new QGridLayout(this);
    raster->addWidget(lbLinks_, 0, 0);
    raster->addWidget(lbRechts_, 0, 2);
    raster->addWidget(links_, 1, 0);
    raster->addLayout(knoepfe, 1, 1);
    raster->addWidget(rechts_, 1, 2);
}

void NeutralSeite::TexteSetzen(const QString& beruecksichtigt, const QString& neutral) {
    lbLinks_->setText(beruecksichtigt);
    lbRechts_->setText(neutral);
}

void NeutralSeite::Fuellen(const std::vector<std::string>& links,
                           const std::vector<std::string>& rechts) {
    links_->clear();
    rechts_->clear();
    for (const auto& wert : links)
        links_->addItem(Qs(wert));
    for (const auto& wert : rechts)
        rechts_->addItem(Qs(wert));
}

void NeutralSeite::NeutralAnhaengen(const std::string& wert) {
    rechts_->addItem(Qs(wert));
}

std::vector<std::string> NeutralSeite::Links() const {
    return Zeilen(links_);
}
std::vector<std::string> NeutralSeite::Rechts() const {
    return Zeilen(rechts_);
}

void NeutralSeite::NachRechtsClick() {
    Verschieben(links_, rechts_);
}
void NeutralSeite::NachLinksClick() {
    Verschieben(rechts_, links_);
}

bool ListeEnthaelt(const std::vector<std::string>& liste, const std::string& wert) {
    const QString gesucht = Qs(wert);
    return std::any_of(liste.begin(), liste.end(), [&](const std::string& eintrag) {
        return GleichOhneFall(Qs(eintrag), gesucht);
    });
}

void ErgaenzeWert(std::vector<std::string>& beruecksichtigt,
                  const std::vector<std::string>& neutral, const std::string& wert) {
    if (ListeEnthaelt(neutral, wert) || ListeEnthaelt(beruecksichtigt, wert))
        return;
    beruecksichtigt.push_back(wert);
    SortiereListe(beruecksichtigt);
}

void SortiereListe(std::vector<std::string>& liste) {
    std::stable_sort(liste.begin(), liste.end(), [](const std::string& a, const std::string& b) {
        return VergleicheOhneFall(Qs(a), Qs(b)) < 0;
    });
}

std::vector<std::string> OhneDoppelte(const std::vector<std::string>& werte,
                                      const std::vector<std::string>& ausser) {
    std::vector<std::string> ergebnis;
    for (const auto& wert : werte)
        if (!ListeEnthaelt(ergebnis, wert) && !ListeEnthaelt(ausser, wert))
            ergebnis.push_back(wert);
    return ergebnis;
}

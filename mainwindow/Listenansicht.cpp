#include "mainwindow/Listenansicht.h"

#include "platform/qt/QtText.h"

#include <QHeaderView>
#include <QTableWidget>

namespace {

Qt::Alignment Ausrichtung(bool rechts) {
    return (rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

QTableWidget* NeueListenansicht(QWidget* parent, const char* name,
                                const std::vector<TSpalte>& spalten) {
    auto* ansicht = new QTableWidget(parent);
    ansicht->setObjectName(name);
    ansicht->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ansicht->setSelectionBehavior(QAbstractItemView::SelectRows);
    ansicht->setSelectionMode(QAbstractItemView::SingleSelection);
    ansicht->setShowGrid(true);
    ansicht->setWordWrap(false);
    ansicht->verticalHeader()->hide();
    ansicht->verticalHeader()->setDefaultSectionSize(ansicht->fontMetrics().height() + 4);
    // The row-number columns are 1 pixel wide while the standings order is shown.
    ansicht->horizontalHeader()->setMinimumSectionSize(0);
    ansicht->horizontalHeader()->setSectionsClickable(true);
    ansicht->horizontalHeader()->setHighlightSections(false);
    ansicht->horizontalHeader()->setStretchLastSection(false);
    SpalteAnhaengen(ansicht, QString(), {0, false});
    ansicht->setColumnHidden(0, true);
    for (const auto& spalte : spalten)
        SpalteAnhaengen(ansicht, QString(), spalte);
    return ansicht;
}

void SpalteAnhaengen(QTableWidget* ansicht, const QString& kopf, TSpalte spalte) {
    const int index = ansicht->columnCount();
    ansicht->setColumnCount(index + 1);
    auto* item = new QTableWidgetItem(kopf);
    item->setTextAlignment(Ausrichtung(spalte.rechts));
    ansicht->setHorizontalHeaderItem(index, item);
    ansicht->setColumnWidth(index, spalte.breite);
}

void SpaltenKuerzen(QTableWidget* ansicht, int anzahl) {
    if (ansicht->columnCount() > anzahl)
        ansicht->setColumnCount(anzahl);
}

void SetzeSpaltenkopf(QTableWidget* ansicht, int spalte, const QString& kopf) {
    if (auto* item = ansicht->horizontalHeaderItem(spalte))
        item->setText(kopf);
}

void ZeileAnhaengen(QTableWidget* ansicht, const std::vector<std::string>& zellen) {
    const int zeile = ansicht->rowCount();
    ansicht->insertRow(zeile);
    for (int spalte = 1; spalte < ansicht->columnCount(); ++spalte) {
        const auto index = static_cast<size_t>(spalte - 1);
        auto* item = new QTableWidgetItem(index < zellen.size() ? Qs(zellen[index]) : QString());
        item->setTextAlignment(
            Qt::Alignment::fromInt(ansicht->horizontalHeaderItem(spalte)->textAlignment()));
        ansicht->setItem(zeile, spalte, item);
    }
}

void ZeilenEntfernen(QTableWidget* ansicht) {
    ansicht->setRowCount(0);
}

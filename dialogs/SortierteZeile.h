#pragma once
// A list row whose text sorts without regard to letter case, as the dialogs' name lists do.
#include "dialogs/Textvergleich.h"

#include <QListWidgetItem>
#include <string>

class TSortierteZeile : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        return VergleicheOhneFall(text(), other.text()) < 0;
    }
};

// A row for a Windows-1252 text.
QListWidgetItem* NeueZeile(const std::string& cp1252);

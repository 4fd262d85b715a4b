#pragma once
// Plays the organiser at a window's controls, and reads what lists and boxes show.
#include "Element.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// Replaces the edit's text as the organiser would: select everything, then type (or delete).
inline void Tippe(QLineEdit* feld, const QString& text) {
    feld->selectAll();
    if (text.isEmpty())
        QTest::keyClick(feld, Qt::Key_Delete);
    else
        QTest::keyClicks(feld, text);
}

// F5 pressed at a control, in its window made active first as the desktop does when a modal
// dialog closes (offscreen, the closed dialog stays the active window): the window's shortcuts
// work only in the active window.
inline void DrueckeF5(QWidget* steuerelement) {
    QApplication::setActiveWindow(steuerelement->window());
    QTest::keyClick(steuerelement, Qt::Key_F5);
}

inline void Klick(const QObject* fenster, const char* knopf) {
    QTest::mouseClick(Element<QPushButton>(fenster, knopf), Qt::LeftButton);
}

// Clicks the row with exactly this text; a missing row ends the test.
inline void Klicke(QListWidget* liste, const QString& text) {
    const auto gefunden = liste->findItems(text, Qt::MatchExactly);
    if (gefunden.isEmpty())
        qFatal("no row %s", qPrintable(text));
    liste->scrollToItem(gefunden.first());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualItemRect(gefunden.first()).center());
}

inline QStringList Texte(const QListWidget* liste) {
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->item(i)->text();
    return texte;
}

inline QStringList Texte(const QComboBox* liste) {
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->itemText(i);
    return texte;
}

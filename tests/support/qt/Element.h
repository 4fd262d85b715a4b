#pragma once
// Finds a window's control by its object name; a missing control ends the test at once.
#include <QObject>
#include <QtGlobal>

template <class T> T* Element(const QObject* fenster, const char* name) {
    T* element = fenster->findChild<T*>(name);
    if (!element)
        qFatal("control %s missing", name);
    return element;
}

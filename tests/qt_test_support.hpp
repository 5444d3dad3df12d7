#pragma once

// Helpers shared by the tests that drive windows through their widgets.

#include <QString>
#include <QWidget>

// A UTF-8 literal as a QString.
inline QString U(const char* text) { return QString::fromUtf8(text); }

// The window's child control of that object name; a missing control ends the test program.
template <typename T>
T* Find(QWidget& window, const QString& name) {
    T* widget = window.findChild<T*>(name);
    if (widget == nullptr) qFatal("no control %s", qPrintable(name));
    return widget;
}

template <typename T>
T* Find(QWidget& window, const char* name) {
    return Find<T>(window, QString::fromLatin1(name));
}

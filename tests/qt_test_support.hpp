#pragma once

// Helpers shared by the tests that drive windows through their widgets.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

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

// Runs `action`, expecting one modal message box; answers "title|text" and closes it, or
// "<no message>" when none opened.
inline QString MessageOf(const std::function<void()>& action) {
    QString text = QStringLiteral("<no message>");
    QTimer timer;  // stopped with the scope, so it cannot fire into a later call
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->windowTitle() + QLatin1Char('|') + box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    timer.start(0);
    action();
    return text;
}

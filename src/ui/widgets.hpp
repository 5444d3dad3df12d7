#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

namespace varnel::ui {

// Small builders for the controls the reading windows share; object names are the controls' names.
QLabel* MakeLabel(const char* objectName, const char* text, QWidget* parent);
QPushButton* MakeButton(const char* objectName, const char* caption, QWidget* parent, std::function<void()> onClick);
QPlainTextEdit* MakeReadOnlyText(const char* objectName, QWidget* parent);
// A box for one name part: at most 4 GBK bytes (two Chinese characters).
QLineEdit* MakeNameBox(const char* objectName, QWidget* parent);
// A one-line entry of at most `maxBytes` GBK bytes.
QLineEdit* MakeGbkBox(const char* objectName, int maxBytes, QWidget* parent);
// A one-line entry that shows letters in upper case as they are typed and holds at most
// `maxBytes` GBK bytes.
QLineEdit* MakeUpperCaseBox(const char* objectName, int maxBytes, QWidget* parent);
// A number entry: at most `maxLength` characters; typing anything but the digits 0-9,
// Backspace and Enter is discarded, and pasted text keeps only its digits.
QLineEdit* MakeDigitBox(const char* objectName, int maxLength, QWidget* parent);
// A label for a result value, empty at first.
QLabel* MakeValueLabel(const char* objectName, QWidget* parent, const char* color = nullptr);

}  // namespace varnel::ui

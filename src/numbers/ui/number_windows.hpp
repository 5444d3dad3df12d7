#pragma once

#include <QDialog>

#include "ui/message_boxes.hpp"

class QLabel;
class QLineEdit;

namespace varnel::ui {

// 手机号码测算: the luck of a mobile phone number. Modal; a new window for each opening.
class TFrm_SJcs : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_SJcs(QWidget* parent = nullptr);

private:
    void RzBitBtn1Click();

    MessageBoxNotifier notifier_;
    MessageBoxErrors errors_;
    QLineEdit* number_;
    QLabel* tested_;
    QLabel* state_;
    QLabel* luck_;
    QLabel* content_;
};

// The QQ-number and any-number tests: one design, two captions.
class NumberVerseWindow : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        const char* objectName;
        const char* caption;
        const char* entryLabel;
        const char* resultLabel;
        const char* emptyMessage;
    };
    NumberVerseWindow(const Texts& texts, QWidget* parent);

private:
    void RzBitBtn1Click();

    const char* emptyMessage_;
    MessageBoxNotifier notifier_;
    QLineEdit* number_;
    QLabel* tested_;
    QLabel* verse_;
    QLabel* luck_;
    QLabel* reading_;
};

// QQ号码测试
class TFrmQQhm : public NumberVerseWindow {
    Q_OBJECT
public:
    explicit TFrmQQhm(QWidget* parent = nullptr);
};

// 任意号码分析
class TFrm_onther : public NumberVerseWindow {
    Q_OBJECT
public:
    explicit TFrm_onther(QWidget* parent = nullptr);
};

// QQ号码缘分配对: the pairing of two QQ numbers.
class TFormQQpeidui : public QDialog {
    Q_OBJECT
public:
    explicit TFormQQpeidui(QWidget* parent = nullptr);

private:
    void RzBitBtn1Click();
    bool Refuse(QLineEdit* edit, const char* message);

    MessageBoxNotifier notifier_;
    MessageBoxErrors errors_;
    QLineEdit* first_;
    QLineEdit* second_;
    QLabel* text_;
};

}  // namespace varnel::ui

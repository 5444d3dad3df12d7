#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "ui/message_boxes.hpp"

class QLineEdit;
class QPlainTextEdit;

namespace varnel::ui {

// 测字算命: asks for three characters. Accepted with 测算, rejected with 关闭.
class TFrmcezhi : public QDialog {
    Q_OBJECT
public:
    explicit TFrmcezhi(QWidget* parent = nullptr);

    // The three boxes' texts, each trimmed, joined in box order.
    std::string Characters() const;

private:
    std::array<QLineEdit*, 3> boxes_{};
};

// 指纹算命: the reading of a five-finger code. Modal; a new window for each opening.
class TFrmzhiwen : public QDialog {
    Q_OBJECT
public:
    explicit TFrmzhiwen(QWidget* parent = nullptr);

private:
    void Reckon();

    MessageBoxErrors errors_;
    QLineEdit* code_;
    QPlainTextEdit* result_;
};

}  // namespace varnel::ui

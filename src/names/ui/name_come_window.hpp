#pragma once

#include <QDialog>

#include "ui/message_boxes.hpp"

class QComboBox;
class QPlainTextEdit;

namespace varnel::ui {

// 姓氏起源: the origin and history of a chosen surname. Non-modal; destroyed when closed.
class TFrmNameCome : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNameCome(QWidget* parent = nullptr);

private:
    void FormCreate();
    void RzBitBtn1Click();

    MessageBoxErrors errors_;
    QComboBox* surnames_;
    QPlainTextEdit* text_;
};

}  // namespace varnel::ui

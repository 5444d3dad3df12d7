#pragma once

#include <QDialog>

#include "ui/message_boxes.hpp"

class QLabel;
class QLineEdit;

namespace varnel::ui {

// 网名与性格: the trait of a nickname. Modal; a new window for each opening.
class TFrmWangming : public QDialog {
    Q_OBJECT
public:
    explicit TFrmWangming(QWidget* parent = nullptr);

private:
    void Reckon();

    MessageBoxNotifier notifier_;
    QLabel* name_;
    QLabel* trait_;
    QLineEdit* entry_;
};

}  // namespace varnel::ui

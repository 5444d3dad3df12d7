#pragma once

#include <QDialog>

#include "ui/message_boxes.hpp"

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace varnel::ui {

// 黄道吉日: the almanac entry of a chosen day. Non-modal and freed on close; any number may be
// open at once. Shows today's entry when first shown.
class TFormHuangdao : public QDialog {
    Q_OBJECT
public:
    explicit TFormHuangdao(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Reckon();

    MessageBoxNotifier notifier_;
    MessageBoxErrors errors_;
    bool shownToday_ = false;
    QComboBox* year_;
    QComboBox* month_;
    QComboBox* day_;
    QLabel* title_;
    QPlainTextEdit* result_;
};

}  // namespace varnel::ui

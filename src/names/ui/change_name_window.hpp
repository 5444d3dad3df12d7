#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "names/name_suggestion.hpp"
#include "ui/message_boxes.hpp"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace varnel::ui {

// 取名宝典: stroke combinations for a surname, the characters of a combination, and the trial
// of a complete new name. Non-modal; destroyed when closed.
class TFrmChangeName : public QDialog {
    Q_OBJECT
public:
    TFrmChangeName(const std::string& surname, QWidget* parent = nullptr);

    const std::vector<StrokeSuggestion>& Suggestions() const { return suggestions_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillCombinations(bool onOpening);
    void RzRadioButton1Click();
    void RzBitBtn1Click();
    void RzButton1Click();
    bool TwoCharacters() const;

    std::string surname_;
    std::vector<StrokeSuggestion> suggestions_;
    MessageBoxErrors errors_;
    bool shown_ = false;

    QComboBox* combinations_;
    QRadioButton* one_;
    QRadioButton* two_;
    QPlainTextEdit* nameOne_;
    QPlainTextEdit* nameTwo_;
    QLineEdit* nameA_;
    QLineEdit* nameB_;
    QPlainTextEdit* result_;
};

}  // namespace varnel::ui

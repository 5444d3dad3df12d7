#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <functional>

#include "ui/message_boxes.hpp"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace varnel::ui {

// 金钱卦: one of the 64 hexagrams, cast by six coin tosses or drawn by the computer.
// Modal; a new window for each opening.
class TFrmQigua : public QDialog {
    Q_OBJECT
public:
    // A source of whole numbers 0 … bound − 1; the window's default is seeded from the clock.
    using RandomSource = std::function<int(int bound)>;
    // Asks for the file to save to; an empty path cancels.
    using SaveNameDialog = std::function<std::filesystem::path()>;

    explicit TFrmQigua(QWidget* parent = nullptr, RandomSource random = {}, SaveNameDialog askSaveName = {});

    std::array<int, 6> Results() const { return results_; }

private:
    void Reset();
    void Toss(int coin);
    void ShowHexagram();
    void Save();
    void Print();
    void ShowCoin(int coin, bool heads);

    RandomSource random_;
    SaveNameDialog askSaveName_;
    MessageBoxErrors errors_;
    std::array<int, 6> results_{};
    std::array<bool, 6> tossed_{};
    std::array<QPushButton*, 6> tossButtons_{};
    std::array<QStackedWidget*, 6> coins_{};
    std::array<QLabel*, 6> faces_{};
    QRadioButton* byHand_;
    QRadioButton* byComputer_;
    QLabel* title_;
    QPlainTextEdit* text_;
};

}  // namespace varnel::ui

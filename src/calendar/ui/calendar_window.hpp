#pragma once

#include <QDate>
#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QSpinBox;

namespace varnel::ui {

// The perpetual calendar (万年历): one Gregorian month as a grid of 37 cells, each with the day
// number and the day's lunar day, lunar month, festival or solar term. Closes when it loses the
// focus and is freed on closing.
class DateWin : public QDialog {
    Q_OBJECT
public:
    explicit DateWin(QWidget* parent = nullptr, QDate today = QDate::currentDate());

    // Redraws the grid for the month of `date` and highlights its day.
    void ShowMonth(QDate date);
    QDate SelectedDate() const { return QDate(year_, month_, day_); }

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSelected();
    void ShowCut();

    QDate today_;
    int year_;
    int month_;
    int day_;
    QLabel* monthNumber_;
    QLabel* yearNumber_;
    QSpinBox* yearSpin_;
    QSpinBox* monthSpin_;
    QLabel* yearMark_;
    QLabel* monthMark_;
    QLabel* zodiac_;
    QLabel* starSign_;
    QLabel* highlight_;
    std::array<QLabel*, 37> dayLabels_{};
    std::array<QLabel*, 37> noteLabels_{};
};

}  // namespace varnel::ui

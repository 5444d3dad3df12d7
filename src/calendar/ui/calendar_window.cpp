#include "calendar/ui/calendar_window.hpp"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>

#include "calendar/day_annotations.hpp"
#include "ui/message_boxes.hpp"

namespace varnel::ui {

namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
constexpr int kCells = 37;
constexpr std::array<const char*, 7> kWeekdays = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};

QLabel* MakeText(QWidget* parent, const QString& name, const QString& text, int x, int y, int pixelSize,
                 const char* color, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(QLatin1String(color)));
    label->move(x, y);
    label->adjustSize();
    return label;
}

const char* ColorOf(AnnotationKind kind) {
    switch (kind) {
        case AnnotationKind::LunarDay: return "#004000";
        case AnnotationKind::LunarMonth: return "red";
        case AnnotationKind::GregorianFestival: return "#FF8000";
        case AnnotationKind::SolarTerm: return "#5353FF";
        case AnnotationKind::LunarFestival: return "#FF8000";
    }
    return "black";
}

DateTime ToDateTime(QDate date) { return EncodeDate(date.year(), date.month(), date.day()); }

}  // namespace

DateWin::DateWin(QWidget* parent, QDate today)
    : QDialog(parent), today_(today), year_(today.year()), month_(today.month()), day_(today.day()) {
    setObjectName(QStringLiteral("DateWin"));
    setWindowTitle(QStringLiteral("万年历"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(331, 285);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    // Watermarks first, so that everything else lies above them.
    yearMark_ = MakeText(this, QStringLiteral("LabelYearMark"), QString(), 100, 90, 64, "#FFE8DD");
    monthMark_ = MakeText(this, QStringLiteral("LabelMonthMark"), QString(), 110, 70, 120, "#EBEBEB");
    highlight_ = new QLabel(this);
    highlight_->setObjectName(QStringLiteral("Highlight"));
    highlight_->setFixedSize(38, 30);
    highlight_->setStyleSheet(QStringLiteral("background: #7EE281;"));

    monthNumber_ = MakeText(this, QStringLiteral("LabelMonthNumber"), QString(), 8, 0, 32, "#8080C0", true);
    monthNumber_->setCursor(Qt::PointingHandCursor);
    monthNumber_->setToolTip(QStringLiteral("单击改变月份"));
    monthNumber_->installEventFilter(this);
    MakeText(this, QStringLiteral("LabelMonthUnit"), QStringLiteral("月"), 48, 12, 16, "#8080C0", true);
    yearNumber_ = MakeText(this, QStringLiteral("LabelYearNumber"), QString(), 120, 4, 29, "blue");
    yearNumber_->setCursor(Qt::PointingHandCursor);
    yearNumber_->setToolTip(QStringLiteral("单击改变年份"));
    yearNumber_->installEventFilter(this);
    MakeText(this, QStringLiteral("LabelYearUnit"), QStringLiteral("年"), 190, 12, 16, "blue");

    yearSpin_ = new QSpinBox(this);
    yearSpin_->setObjectName(QStringLiteral("SpinYear"));
    yearSpin_->setRange(kFirstYear, kLastYear);
    yearSpin_->setGeometry(210, 8, 62, 22);
    yearSpin_->hide();
    monthSpin_ = new QSpinBox(this);
    monthSpin_->setObjectName(QStringLiteral("SpinMonth"));
    monthSpin_->setRange(1, 12);
    monthSpin_->setGeometry(68, 8, 44, 22);
    monthSpin_->hide();
    connect(yearSpin_, &QSpinBox::valueChanged, this, [this](int value) {
        year_ = value;
        ShowCut();
    });
    connect(monthSpin_, &QSpinBox::valueChanged, this, [this](int value) {
        month_ = value;
        ShowCut();
    });

    auto* todayButton = new QPushButton(QStringLiteral("今天"), this);
    todayButton->setObjectName(QStringLiteral("BtnToday"));
    todayButton->setGeometry(284, 8, 40, 20);
    todayButton->setStyleSheet(QStringLiteral("font-size: 12px; border: 1px solid gray; background: white;"));
    connect(todayButton, &QPushButton::clicked, this, [this] {
        year_ = today_.year();
        month_ = today_.month();
        day_ = today_.day();
        ShowSelected();
    });

    for (int i = 0; i < 7; ++i) {
        const char* color = i == 0 || i == 6 ? "red" : "black";
        MakeText(this, QStringLiteral("LabelHead%1").arg(i), QString::fromUtf8(kWeekdays[static_cast<std::size_t>(i)]),
                 19 + 40 * i - 12, 40, 11, color);
        MakeText(this, QStringLiteral("LabelFoot%1").arg(i), QString::fromUtf8(kWeekdays[static_cast<std::size_t>(i)]),
                 19 + 40 * i - 12, 253, 11, color);
    }
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setGeometry(4, 240, 323, 2);

    zodiac_ = MakeText(this, QStringLiteral("LabelZodiac"), QString(), 250, 200, 35, "#DDDDFF", true);
    starSign_ = MakeText(this, QStringLiteral("LabelStarSign"), QString(), 130, 264, 19, "#FF80FF", true);

    for (int i = 0; i < kCells; ++i) {
        const int row = i / 7;
        const int column = i % 7;
        auto* day = MakeText(this, QStringLiteral("LabelDay%1").arg(i + 1), QString(), 14 + 42 * column, 56 + 32 * row, 15,
                             "black");
        QFont dayFont = day->font();
        dayFont.setPointSize(11);
        day->setFont(dayFont);
        auto* note = MakeText(this, QStringLiteral("LabelNote%1").arg(i + 1), QString(), 13 + 42 * column, 73 + 32 * row, 12,
                              "black");
        for (QLabel* label : {day, note}) {
            label->setCursor(Qt::PointingHandCursor);
            label->installEventFilter(this);
            label->hide();
        }
        dayLabels_[static_cast<std::size_t>(i)] = day;
        noteLabels_[static_cast<std::size_t>(i)] = note;
    }
}

void DateWin::ShowCut() {
    ShowMonth(QDate(year_, month_, std::min(day_, QDate(year_, month_, 1).daysInMonth())));
}

void DateWin::ShowSelected() {
    {
        const QSignalBlocker blockYear(yearSpin_);
        const QSignalBlocker blockMonth(monthSpin_);
        yearSpin_->setValue(year_);
        monthSpin_->setValue(month_);
    }
    ShowMonth(SelectedDate());
}

void DateWin::ShowMonth(QDate date) {
    const DateTime shown = ToDateTime(date);
    monthNumber_->setText(QString::number(date.month()));
    monthNumber_->adjustSize();
    yearNumber_->setText(QString::number(date.year()));
    yearNumber_->adjustSize();
    yearMark_->setText(QString::number(date.year()));
    yearMark_->adjustSize();
    monthMark_->setText(QString::number(date.month()));
    monthMark_->adjustSize();
    zodiac_->setText(ToQString(ZodiacOfDate(shown)));
    zodiac_->adjustSize();

    for (int i = 0; i < kCells; ++i) {
        for (QLabel* label : {dayLabels_[static_cast<std::size_t>(i)], noteLabels_[static_cast<std::size_t>(i)]}) {
            label->hide();
            label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
        }
    }
    const QDate first(date.year(), date.month(), 1);
    const int w = first.dayOfWeek() % 7 + 1;  // 1 = Sunday … 7 = Saturday
    for (int d = 1; d <= date.daysInMonth(); ++d) {
        const auto cell = static_cast<std::size_t>(w + d - 2);
        QLabel* dayLabel = dayLabels_[cell];
        QLabel* note = noteLabels_[cell];
        const DayAnnotation annotation = CalendarCellAnnotation(EncodeDate(date.year(), date.month(), d));
        dayLabel->setText(QString::number(d));
        dayLabel->setProperty("day", d);
        note->setProperty("day", d);
        note->setText(ToQString(annotation.text));
        note->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(QLatin1String(ColorOf(annotation.kind))));
        dayLabel->adjustSize();
        note->adjustSize();
        if (d == date.day()) {
            highlight_->move(dayLabel->x() - 1, dayLabel->y() + 1);
            starSign_->setText(ToQString(CalendarStarSign(d, shown)));
            starSign_->adjustSize();
        }
        dayLabel->show();
        note->show();
    }
}

void DateWin::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowSelected();
}

bool DateWin::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && isVisible()) {
        close();
        return true;
    }
    return QDialog::event(event);
}

bool DateWin::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (label == nullptr) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        if (label == yearNumber_) {
            yearSpin_->show();
            monthSpin_->hide();
            return true;
        }
        if (label == monthNumber_) {
            monthSpin_->show();
            yearSpin_->hide();
            return true;
        }
        const bool isDay = std::find(dayLabels_.begin(), dayLabels_.end(), label) != dayLabels_.end();
        if (isDay) {
            highlight_->move(label->x() - 1, label->y() + 1);
        } else {
            highlight_->move(label->x(), label->y() - 16);
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && label->property("day").isValid() && label != yearNumber_ &&
        label != monthNumber_) {
        day_ = label->property("day").toInt();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace varnel::ui

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "calendar/ui/calendar_window.hpp"
#include "qt_test_support.hpp"

using varnel::ui::DateWin;

namespace {

QLabel* DayCell(QWidget& window, int cell) { return Find<QLabel>(window, QStringLiteral("LabelDay%1").arg(cell)); }
QLabel* NoteCell(QWidget& window, int cell) { return Find<QLabel>(window, QStringLiteral("LabelNote%1").arg(cell)); }

// Where the highlight sits for a day-number label.
QPoint HighlightFor(QLabel* day) { return {day->x() - 1, day->y() + 1}; }

}  // namespace

class CalendarUiTest : public QObject {
    Q_OBJECT

private slots:
    void MonthStartingOnSaturday() {
        DateWin window(nullptr, QDate(2022, 1, 15));  // 1 January 2022 was a Saturday
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        QCOMPARE(window.windowTitle(), U("万年历"));
        for (int cell = 1; cell <= 6; ++cell) QVERIFY(DayCell(window, cell)->isHidden());
        QCOMPARE(DayCell(window, 7)->text(), QStringLiteral("1"));
        QCOMPARE(DayCell(window, 37)->text(), QStringLiteral("31"));
        for (int cell = 7; cell <= 37; ++cell) QVERIFY(!DayCell(window, cell)->isHidden() && !NoteCell(window, cell)->isHidden());
        QCOMPARE(NoteCell(window, 7)->text(), U("元旦节"));
        QCOMPARE(DayCell(window, 8)->pos(), QPoint(14, 88));  // a new row 32 pixels lower
        QCOMPARE(DayCell(window, 9)->pos(), QPoint(56, 88));
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelYearNumber"))->text(), QStringLiteral("2022"));
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelMonthNumber"))->text(), QStringLiteral("1"));
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelZodiac"))->text(), U("丑牛"));  // still the twelfth month of 辛丑
    }

    void AnnotationsAndTheirColours() {
        DateWin window(nullptr, QDate(2024, 2, 1));  // 1 February 2024 was a Thursday: cell 5
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        auto note = [&](int day) { return NoteCell(window, 4 + day); };
        QCOMPARE(note(4)->text(), U("立春"));
        QVERIFY(note(4)->styleSheet().contains(QStringLiteral("#5353FF")));
        QCOMPARE(note(9)->text(), U("除夕"));
        QCOMPARE(note(10)->text(), U("春节"));
        QVERIFY(note(10)->styleSheet().contains(QStringLiteral("#FF8000")));
        QCOMPARE(note(11)->text(), U("初二"));
        QVERIFY(note(11)->styleSheet().contains(QStringLiteral("#004000")));
        QCOMPARE(note(14)->text(), U("情人节"));
        QCOMPARE(note(24)->text(), U("元宵节"));
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelZodiac"))->text(), U("卯兔"));  // 1 February is still in 癸卯
    }

    void JanuaryThirtyFirstToFebruary() {
        DateWin window(nullptr, QDate(2022, 1, 31));
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        auto* highlight = Find<QLabel>(window, QStringLiteral("Highlight"));
        QCOMPARE(highlight->pos(), HighlightFor(DayCell(window, 37)));
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelStarSign"))->text(), U("水瓶座"));
        auto* monthSpin = Find<QSpinBox>(window, QStringLiteral("SpinMonth"));
        QVERIFY(monthSpin->isHidden());
        QTest::mouseClick(Find<QLabel>(window, QStringLiteral("LabelMonthNumber")), Qt::LeftButton);
        QVERIFY(!monthSpin->isHidden());
        QVERIFY(Find<QSpinBox>(window, QStringLiteral("SpinYear"))->isHidden());
        monthSpin->setValue(2);
        // 1 February 2022 was a Tuesday (cell 3); the 28th is cell 30.
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelMonthNumber"))->text(), QStringLiteral("2"));
        QCOMPARE(highlight->pos(), HighlightFor(DayCell(window, 30)));
        QCOMPARE(DayCell(window, 30)->text(), QStringLiteral("28"));
        QVERIFY(DayCell(window, 31)->isHidden());
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelStarSign"))->text(), U("双鱼座"));
    }

    void ClickMovesTheHighlightButKeepsTheStarSign() {
        DateWin window(nullptr, QDate(2022, 1, 31));
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        auto* highlight = Find<QLabel>(window, QStringLiteral("Highlight"));
        QTest::mouseClick(DayCell(window, 11), Qt::LeftButton);  // the 5th
        QCOMPARE(highlight->pos(), HighlightFor(DayCell(window, 11)));
        QCOMPARE(window.SelectedDate(), QDate(2022, 1, 5));
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelStarSign"))->text(), U("水瓶座"));
        QTest::mouseClick(NoteCell(window, 12), Qt::LeftButton);  // the 6th, by its annotation
        QCOMPARE(highlight->pos(), QPoint(NoteCell(window, 12)->x(), NoteCell(window, 12)->y() - 16));
        QCOMPARE(window.SelectedDate(), QDate(2022, 1, 6));

        auto* yearSpin = Find<QSpinBox>(window, QStringLiteral("SpinYear"));
        QCOMPARE(yearSpin->minimum(), 1901);
        QCOMPARE(yearSpin->maximum(), 2050);
        yearSpin->setValue(2023);
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelYearNumber"))->text(), QStringLiteral("2023"));
        Find<QPushButton>(window, QStringLiteral("BtnToday"))->click();
        QCOMPARE(window.SelectedDate(), QDate(2022, 1, 31));
        QCOMPARE(yearSpin->value(), 2022);
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelYearNumber"))->text(), QStringLiteral("2022"));
    }

    void ClosesWhenItLosesTheFocus() {
        QPointer<DateWin> window = new DateWin(nullptr, QDate(2022, 1, 31));
        window->show();
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(window, &deactivate);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(CalendarUiTest)
#include "calendar_ui_test.moc"

// Saves a picture of a window as a real X server (Xvfb) draws it:
//   window_screenshot OUTPUT.png [main|calendar|article]
// main: the main window with a finished Four Pillars report; calendar: the perpetual calendar on
// February 2024; article: the first page of the article 十二星座卧室桃花运.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/main_window.hpp"
#include "calendar/ui/calendar_window.hpp"
#include "divination/ui/library_windows.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    const QString output = QString::fromLocal8Bit(argv[1]);

    const QString kind = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("main");
    varnel::app::TFrmmain main;
    varnel::ui::DateWin calendar(nullptr, QDate(2024, 2, 10));
    calendar.setAttribute(Qt::WA_DeleteOnClose, false);
    varnel::ui::TImageInfoLoad article;
    article.setAttribute(Qt::WA_DeleteOnClose, false);
    QWidget* shown = &main;
    if (kind == QStringLiteral("calendar")) {
        shown = &calendar;
    } else if (kind == QStringLiteral("article")) {
        article.LoadArticle(6);
        article.setWindowTitle(QStringLiteral("十二星座卧室桃花运"));
        shown = &article;
    }
    QWidget& window = *shown;
    window.move(0, 0);
    window.show();
    if (kind == QStringLiteral("main")) {
        main.findChild<QLineEdit*>(QStringLiteral("NameA"))->setText(QStringLiteral("张"));
        main.findChild<QLineEdit*>(QStringLiteral("NameB"))->setText(QStringLiteral("三"));
        main.findChild<QComboBox*>(QStringLiteral("Sday"))->setCurrentText(QStringLiteral("5"));
        main.findChild<QComboBox*>(QStringLiteral("Shour"))->setCurrentText(QStringLiteral("午 12"));
        main.findChild<QComboBox*>(QStringLiteral("Fengzhong"))->setCurrentText(QStringLiteral("30"));
        for (QPushButton* button : main.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("八字分析")) {
                button->click();
                break;
            }
        }
    }
    int status = 1;
    QTimer::singleShot(1500, [&] {
        const QRect frame = window.frameGeometry();
        const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        status = shot.save(output) ? 0 : 1;
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}

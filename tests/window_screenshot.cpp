// Saves a picture of the main window with a finished Four Pillars report, as a real X server
// (Xvfb) draws it: window_screenshot OUTPUT.png
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/main_window.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    const QString output = QString::fromLocal8Bit(argv[1]);

    varnel::app::TFrmmain window;
    window.move(0, 0);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("NameA"))->setText(QStringLiteral("张"));
    window.findChild<QLineEdit*>(QStringLiteral("NameB"))->setText(QStringLiteral("三"));
    window.findChild<QComboBox*>(QStringLiteral("Sday"))->setCurrentText(QStringLiteral("5"));
    window.findChild<QComboBox*>(QStringLiteral("Shour"))->setCurrentText(QStringLiteral("午 12"));
    window.findChild<QComboBox*>(QStringLiteral("Fengzhong"))->setCurrentText(QStringLiteral("30"));
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("八字分析")) {
            button->click();
            break;
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

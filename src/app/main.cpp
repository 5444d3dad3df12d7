#include <QApplication>
#include <QIcon>

#include "app/main_window.hpp"
#include "ui/message_boxes.hpp"
#include "store/unscramble.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(varnel::ui::kProgramTitle);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/varnel/app-icon.svg")));
    varnel::SetBeepHandler([] { QApplication::beep(); });

    varnel::app::TFrmmain window;
    window.show();
    return QApplication::exec();
}

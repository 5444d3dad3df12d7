#include "ui/message_boxes.hpp"

#include <QMessageBox>

namespace varnel::ui {

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void MessageBoxNotifier::ShowNotice(std::string_view text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), ToQString(text), QMessageBox::Ok, owner_);
    box.setObjectName(QStringLiteral("NoticeBox"));
    box.exec();
}

void MessageBoxErrors::ShowError(std::string_view message) {
    QMessageBox box(QMessageBox::Critical, kProgramTitle, ToQString(message), QMessageBox::Ok, owner_);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

}  // namespace varnel::ui

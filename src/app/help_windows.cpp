#include "app/help_windows.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "app/contacts.hpp"
#include "app/svg_picture.hpp"
#include "ui/message_boxes.hpp"

namespace varnel::app {

namespace {

QString Text(std::string_view utf8) { return ui::ToQString(utf8); }

}  // namespace

TFrmSupport::TFrmSupport(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmSupport"));
    setWindowTitle(QStringLiteral("客户服务"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(460, 330);
    auto* grid = new QGridLayout(this);
    const struct {
        QStyle::StandardPixmap icon;
        QString heading;
        QString text;
    } entries[] = {
        {QStyle::SP_DialogYesButton, QStringLiteral("商务合作"),
         QStringLiteral("欢迎软件推广、内容合作与定制开发的洽谈，请来信至 ") + Text(kBusinessMail) + QStringLiteral("。")},
        {QStyle::SP_DriveNetIcon, QStringLiteral("客服电话"),
         QStringLiteral("工作日 9:00–18:00 拨打 ") + Text(kSupportPhone) + QStringLiteral("，解答安装与使用中的问题。")},
        {QStyle::SP_MessageBoxInformation, QStringLiteral("在线客服"),
         QStringLiteral("点击主窗口下方的“QQ服务”与客服在线交谈，所有咨询当天答复。")},
        {QStyle::SP_FileDialogContentsView, QStringLiteral("客服邮箱"),
         QStringLiteral("意见、建议和问题报告请发送到 ") + Text(kSupportMail) + QStringLiteral("。")},
    };
    int row = 0;
    for (const auto& entry : entries) {
        auto* icon = new QLabel(this);
        icon->setPixmap(style()->standardIcon(entry.icon).pixmap(32, 32));
        auto* heading = new QLabel(entry.heading, this);
        heading->setStyleSheet(QStringLiteral("color: navy; font-weight: bold;"));
        auto* text = new QLabel(entry.text, this);
        text->setWordWrap(true);
        grid->addWidget(icon, row, 0, 2, 1, Qt::AlignTop);
        grid->addWidget(heading, row, 1);
        grid->addWidget(text, row + 1, 1);
        row += 2;
    }
    grid->setColumnStretch(1, 1);
}

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("关于系统"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(440, 220);
    auto* layout = new QHBoxLayout(this);
    auto* picture = new SvgPicture(QStringLiteral(":/varnel/app-icon.svg"), this);
    picture->setFixedSize(128, 128);
    layout->addWidget(picture, 0, Qt::AlignTop);
    auto* lines = new QVBoxLayout;
    auto* name = new QLabel(QStringLiteral("Varnel电脑易经算命软件"), this);
    name->setStyleSheet(QStringLiteral("font-size: 15pt; font-weight: bold;"));
    lines->addWidget(name);
    for (const QString& line : {QStringLiteral("版本 %1").arg(QStringLiteral(VARNEL_VERSION)),
                                QStringLiteral("网址：") + Text(kHomePage), QStringLiteral("邮箱：") + Text(kSupportMail),
                                QStringLiteral("电话：") + Text(kSupportPhone),
                                QStringLiteral("本软件所载内容仅供参考与娱乐。")}) {
        lines->addWidget(new QLabel(line, this));
    }
    lines->addStretch(1);
    layout->addLayout(lines, 1);
}

}  // namespace varnel::app

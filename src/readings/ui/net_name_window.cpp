#include "readings/ui/net_name_window.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "readings/net_name.hpp"
#include "ui/widgets.hpp"

namespace varnel::ui {

TFrmWangming::TFrmWangming(QWidget* parent) : QDialog(parent), notifier_(this) {
    setObjectName(QStringLiteral("FrmWangming"));
    setWindowTitle(QStringLiteral("网名与性格"));
    setFixedSize(460, 220);

    auto* layout = new QVBoxLayout(this);
    auto* result = new QGroupBox(QStringLiteral("测算结果"), this);
    auto* resultLayout = new QVBoxLayout(result);
    name_ = MakeLabel("LabelName", "你的网名：", result);
    name_->setStyleSheet(QStringLiteral("color: green;"));
    trait_ = MakeLabel("LabelTrait", "你的性格：", result);
    trait_->setStyleSheet(QStringLiteral("color: navy;"));
    trait_->setWordWrap(true);
    resultLayout->addWidget(name_);
    resultLayout->addWidget(trait_);
    layout->addWidget(result, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(MakeLabel("LabelEntry", "输入网名：", this));
    entry_ = MakeUpperCaseBox("edtName", 18, this);
    row->addWidget(entry_, 1);
    row->addWidget(MakeButton("BtnReckon", "测算", this, [this] { Reckon(); }));
    row->addWidget(MakeButton("BtnClose", "关闭", this, [this] { close(); }));
    layout->addLayout(row);
    connect(entry_, &QLineEdit::returnPressed, this, [this] { Reckon(); });
}

void TFrmWangming::Reckon() {
    const QString nickname = entry_->text().trimmed();
    if (nickname.isEmpty()) {
        notifier_.ShowNotice("请输入你的网名！");
        return;
    }
    name_->setText(QStringLiteral("你的网名：") + nickname);
    try {
        trait_->setText(QStringLiteral("你的性格：") + ToQString(NetNameTrait(nickname.toStdString())).trimmed());
    } catch (const std::exception&) {
        trait_->setText(QStringLiteral("请重新输入网名，请不要输入特殊字符！"));
    }
}

}  // namespace varnel::ui

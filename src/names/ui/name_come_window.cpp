#include "names/ui/name_come_window.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "names/surname_origins.hpp"
#include "reports/command_dispatch.hpp"
#include "ui/widgets.hpp"

namespace varnel::ui {

TFrmNameCome::TFrmNameCome(QWidget* parent) : QDialog(parent), errors_(this) {
    setObjectName(QStringLiteral("FrmNameCome"));
    setWindowTitle(QStringLiteral("姓氏起源"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    resize(560, 440);

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(MakeLabel("RzLabel1", "请输入姓氏或选择：", this));
    surnames_ = new QComboBox(this);
    surnames_->setObjectName(QStringLiteral("SYear"));
    surnames_->setEditable(true);
    surnames_->setMaxVisibleItems(20);
    surnames_->setMinimumWidth(120);
    row->addWidget(surnames_);
    row->addWidget(MakeButton("RzBitBtn1", "开始搜索", this, [this] { RunCommand([this] { RzBitBtn1Click(); }, errors_); }));
    row->addWidget(MakeButton("RzBitBtn2", "关闭", this, [this] { close(); }));
    row->addStretch(1);
    layout->addLayout(row);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Memo1"));
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(text_, 1);

    RunCommand([this] { FormCreate(); }, errors_);
}

void TFrmNameCome::FormCreate() {
    surnames_->clear();
    for (const std::string& surname : SurnameList()) surnames_->addItem(ToQString(surname));
    surnames_->setCurrentIndex(-1);
}

void TFrmNameCome::RzBitBtn1Click() {
    const QString surname = surnames_->currentText().trimmed();
    if (surname.isEmpty()) {
        text_->clear();
        return;
    }
    if (const auto origin = SurnameOrigin(surname.toStdString())) text_->setPlainText(ToQString(*origin));
}

}  // namespace varnel::ui

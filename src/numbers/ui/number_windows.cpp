#include "numbers/ui/number_windows.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "names/numerology.hpp"
#include "numbers/number_tests.hpp"
#include "reports/command_dispatch.hpp"
#include "ui/widgets.hpp"

namespace varnel::ui {

namespace {

constexpr int kPhoneDigits = 11;
constexpr int kLongNumberDigits = 18;

// The four result rows: a caption and its value in a grid.
QGridLayout* ResultRows(QGroupBox* box, std::initializer_list<std::pair<QLabel*, QLabel*>> rows) {
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const auto& [caption, value] : rows) {
        grid->addWidget(caption, row, 0, Qt::AlignTop | Qt::AlignRight);
        grid->addWidget(value, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

QHBoxLayout* EntryRow(QWidget* parent, QLabel* label, QLineEdit* entry, QPushButton* run, QPushButton* close) {
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(entry, 1);
    row->addWidget(run);
    row->addWidget(close);
    (void)parent;
    return row;
}

}  // namespace

TFrm_SJcs::TFrm_SJcs(QWidget* parent) : QDialog(parent), notifier_(this), errors_(this) {
    setObjectName(QStringLiteral("Frm_SJcs"));
    setWindowTitle(QStringLiteral("手机号码测算"));
    setFixedSize(480, 400);
    auto* layout = new QVBoxLayout(this);
    number_ = MakeDigitBox("edtmun", kPhoneDigits, this);
    layout->addLayout(EntryRow(this, MakeLabel("RzLabel1", "输入号码：", this), number_,
                               MakeButton("RzBitBtn1", "测算", this, [this] { RunCommand([this] { RzBitBtn1Click(); }, errors_); }),
                               MakeButton("RzBitBtn2", "关闭", this, [this] { close(); })));
    layout->addWidget(MakeLabel("RzLabel2", "请注意：手机号码是11位，请正确输入。", this));
    auto* results = new QGroupBox(QStringLiteral("测算结果"), this);
    results->setObjectName(QStringLiteral("RzGroupBox1"));
    tested_ = MakeValueLabel("RzLabel11", results);
    state_ = MakeValueLabel("RzLabel10", results);
    luck_ = MakeValueLabel("RzLabel9", results, "red");
    content_ = MakeValueLabel("RzLabel8", results);
    ResultRows(results, {{MakeLabel("RzLabel5", "手机号码是：", results), tested_},
                         {MakeLabel("RzLabel4", "状态：", results), state_},
                         {MakeLabel("RzLabel6", "吉凶：", results), luck_},
                         {MakeLabel("RzLabel7", "具体表现：", results), content_}});
    layout->addWidget(results, 1);
    auto* note = MakeLabel("RzLabel3",
                           "注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运的意义是一样的。"
                           "虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！",
                           this);
    note->setWordWrap(true);
    layout->addWidget(note);
    connect(number_, &QLineEdit::returnPressed, this, [this] { RunCommand([this] { RzBitBtn1Click(); }, errors_); });
}

void TFrm_SJcs::RzBitBtn1Click() {
    const QString number = number_->text().trimmed();
    const auto key = shoujiinfostr(number.toStdString());
    if (!key) {
        notifier_.ShowNotice("请输入11位手机号码！");
        return;
    }
    const PhoneReading reading = PhoneReadingOfKey(*key);
    tested_->setText(number);
    state_->setText(ToQString(reading.title));
    luck_->setText(ToQString(reading.luck));
    content_->setText(ToQString(reading.content));
}

NumberVerseWindow::NumberVerseWindow(const Texts& texts, QWidget* parent)
    : QDialog(parent), emptyMessage_(texts.emptyMessage), notifier_(this) {
    setObjectName(QString::fromLatin1(texts.objectName));
    setWindowTitle(QString::fromUtf8(texts.caption));
    setFixedSize(480, 340);
    auto* layout = new QVBoxLayout(this);
    number_ = MakeDigitBox("edtmun", kLongNumberDigits, this);
    layout->addLayout(EntryRow(this, MakeLabel("RzLabel1", texts.entryLabel, this), number_,
                               MakeButton("RzBitBtn1", "测算", this, [this] { RzBitBtn1Click(); }),
                               MakeButton("RzBitBtn2", "关闭", this, [this] { close(); })));
    auto* results = new QGroupBox(QStringLiteral("测算结果"), this);
    results->setObjectName(QStringLiteral("RzGroupBox1"));
    tested_ = MakeValueLabel("RzLabel11", results);
    verse_ = MakeValueLabel("RzLabel10", results);
    luck_ = MakeValueLabel("RzLabel9", results, "red");
    reading_ = MakeValueLabel("RzLabel8", results);
    ResultRows(results, {{MakeLabel("RzLabel5", texts.resultLabel, results), tested_},
                         {MakeLabel("RzLabel4", "状态：", results), verse_},
                         {MakeLabel("RzLabel6", "吉凶：", results), luck_},
                         {MakeLabel("RzLabel7", "具体表现：", results), reading_}});
    layout->addWidget(results, 1);
    connect(number_, &QLineEdit::returnPressed, this, [this] { RzBitBtn1Click(); });
}

void NumberVerseWindow::RzBitBtn1Click() {
    const QString number = number_->text().trimmed();
    if (number.isEmpty()) {
        notifier_.ShowNotice(emptyMessage_);
        return;
    }
    const VerseParts parts = SplitVerse(VerseOfNumber(number.toStdString()));
    tested_->setText(number);
    verse_->setText(ToQString(parts.verse));
    luck_->setText(ToQString(parts.luck));
    reading_->setText(ToQString(parts.reading));
}

TFrmQQhm::TFrmQQhm(QWidget* parent)
    : NumberVerseWindow({"FrmQQhm", "QQ号码测试", "QQ号码：", "qq号码是：", "请输入你的QQ号码！"}, parent) {}

TFrm_onther::TFrm_onther(QWidget* parent)
    : NumberVerseWindow({"Frm_onther", "任意号码分析", "任意号码：", "输入号码是：", "请输入你的号码！"}, parent) {}

TFormQQpeidui::TFormQQpeidui(QWidget* parent) : QDialog(parent), notifier_(this), errors_(this) {
    setObjectName(QStringLiteral("FormQQpeidui"));
    setWindowTitle(QStringLiteral("QQ号码缘分配对"));
    setFixedSize(460, 320);
    auto* layout = new QVBoxLayout(this);
    auto* entries = new QGridLayout;
    first_ = MakeDigitBox("QQ1", kLongNumberDigits, this);
    second_ = MakeDigitBox("QQ2", kLongNumberDigits, this);
    entries->addWidget(MakeLabel("RzLabel1", "我的QQ：", this), 0, 0);
    entries->addWidget(first_, 0, 1);
    entries->addWidget(MakeLabel("RzLabel2", "对方QQ：", this), 1, 0);
    entries->addWidget(second_, 1, 1);
    entries->addWidget(MakeButton("RzBitBtn1", "测算", this, [this] { RunCommand([this] { RzBitBtn1Click(); }, errors_); }), 0, 2);
    entries->addWidget(MakeButton("RzBitBtn2", "关闭", this, [this] { close(); }), 1, 2);
    layout->addLayout(entries);
    auto* results = new QGroupBox(QStringLiteral("测算结果"), this);
    results->setObjectName(QStringLiteral("RzGroupBox1"));
    auto* resultsLayout = new QVBoxLayout(results);
    text_ = MakeValueLabel("RzLabel11", results, "green");
    text_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    resultsLayout->addWidget(text_, 1);
    layout->addWidget(results, 1);
}

bool TFormQQpeidui::Refuse(QLineEdit* edit, const char* message) {
    notifier_.ShowNotice(message);
    edit->setFocus(Qt::OtherFocusReason);
    return false;
}

void TFormQQpeidui::RzBitBtn1Click() {
    const QString own = first_->text().trimmed();
    const QString other = second_->text().trimmed();
    auto valid = [](const QString& number) {
        return number.size() >= 5 && number.size() <= 10 && IsAllDigits(number.toStdString());
    };
    if (own.isEmpty()) {
        Refuse(first_, "请输入自己的QQ号码！");
    } else if (!valid(own)) {
        Refuse(first_, "请输入正确的QQ号码！");
    } else if (other.isEmpty()) {
        Refuse(second_, "请输入对方的QQ号码！");
    } else if (!valid(other)) {
        Refuse(second_, "请输入正确的QQ号码！");
    } else {
        text_->setText(ToQString(QqPairingText(own.toStdString(), other.toStdString())));
    }
}

}  // namespace varnel::ui

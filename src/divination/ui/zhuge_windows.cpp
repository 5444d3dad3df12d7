#include "divination/ui/zhuge_windows.hpp"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <functional>

#include "divination/zhuge.hpp"
#include "reports/command_dispatch.hpp"
#include "store/failure.hpp"
#include "text/gbk.hpp"
#include "ui/widgets.hpp"

namespace varnel::ui {

namespace {

// Filters the typed characters of a box: `accept` decides for each character; Backspace always
// passes and Enter moves the focus on.
class TypedCharacterFilter : public QObject {
public:
    TypedCharacterFilter(QObject* owner, std::function<bool(QChar)> accept)
        : QObject(owner), accept_(std::move(accept)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (auto* widget = qobject_cast<QWidget*>(watched)) {
                if (QWidget* next = widget->nextInFocusChain()) next->setFocus(Qt::TabFocusReason);
            }
            return true;
        }
        if (key->key() == Qt::Key_Backspace || key->text().isEmpty()) return false;
        for (const QChar c : key->text()) {
            if (!accept_(c)) return true;
        }
        return false;
    }

private:
    std::function<bool(QChar)> accept_;
};

// Pasted text obeys the rule of typed text: `accept` decides on the whole text.
class PastedTextValidator : public QValidator {
public:
    PastedTextValidator(QObject* owner, std::function<bool(const QString&)> accept)
        : QValidator(owner), accept_(std::move(accept)) {}
    State validate(QString& input, int&) const override { return accept_(input) ? Acceptable : Invalid; }

private:
    std::function<bool(const QString&)> accept_;
};

bool IsNotAscii(QChar c) { return c.unicode() >= 127; }

// Empty, or one Chinese character: one character that is two bytes in GBK.
bool IsOneChineseCharacter(const QString& text) {
    return text.isEmpty() || (text.size() == 1 && IsNotAscii(text.front()) && GbkLength(text.toStdString()) == 2);
}

// At most five fingerprint letters, o or x in either case.
bool IsFingerprintCode(const QString& text) {
    return text.size() <= 5 &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return QStringLiteral("oxOX").contains(c); });
}

constexpr const char* kIntroduction =
    "诸葛神数相传出自三国时蜀汉丞相诸葛亮之手，是一种以汉字笔画起数、以签诗指点迷津的古老测字方法。\n"
    "测算之前，请先静下心来，把心中想问的一件事默念清楚，不要同时牵挂几件事。\n"
    "然后凭第一感觉写下三个汉字，不必刻意挑选，心诚则灵，写下的字便是此刻心意的映照。\n"
    "系统取三个字的笔画数起数，对应神数中的一首签诗；全书共有三百八十四签，各有吉凶与劝诫。\n"
    "签诗只作参考与提醒，凡事还需尽力而为、审时度势。\n"
    "注意：输入简体中文还是繁体中文，笔画数均按繁体笔画数计算。";

constexpr const char* kFingerprintIntroduction =
    "人的性格多半与生俱来，而指纹自出生起便终身不变，故民间常借指纹窥看一个人的天性。\n"
    "了解自己的指纹性格，可以更清楚地认识自己，也有助于体谅和了解身边的人。\n"
    "男性看左手，女性看右手。\n"
    "从大拇指开始依次看到小指：指纹为斗（又叫箩）的记作字母 O（不是数字零），为簸箕的记作 X，共五个代码。\n"
    "输入完五个代码后，按“测算”即可查看结果。";

}  // namespace

TFrmcezhi::TFrmcezhi(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frmcezhi"));
    setWindowTitle(QStringLiteral("测字算命"));
    setFixedSize(520, 340);
    auto* layout = new QVBoxLayout(this);
    auto* intro = MakeLabel("LabelIntro", kIntroduction, this);
    intro->setWordWrap(true);
    layout->addWidget(intro, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(MakeLabel("LabelPrompt", "请输入你测试的三个字:", this));
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QByteArray name = QStringLiteral("Char%1").arg(i + 1).toLatin1();
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setFixedWidth(40);
        box->installEventFilter(new TypedCharacterFilter(this, IsNotAscii));
        box->setValidator(new PastedTextValidator(box, IsOneChineseCharacter));
        boxes_[i] = box;
        row->addWidget(box);
    }
    row->addStretch(1);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(MakeButton("BtnReckon", "测算", this, [this] { accept(); }));
    buttons->addWidget(MakeButton("BtnClear", "清除", this, [this] {
        for (QLineEdit* box : boxes_) box->clear();
    }));
    buttons->addWidget(MakeButton("BtnClose", "关闭", this, [this] { reject(); }));
    layout->addLayout(buttons);
}

std::string TFrmcezhi::Characters() const {
    std::string joined;
    for (const QLineEdit* box : boxes_) joined += box->text().trimmed().toStdString();
    return joined;
}

TFrmzhiwen::TFrmzhiwen(QWidget* parent) : QDialog(parent), errors_(this) {
    setObjectName(QStringLiteral("Frmzhiwen"));
    setWindowTitle(QStringLiteral("指纹算命"));
    resize(560, 440);
    auto* layout = new QVBoxLayout(this);
    auto* intro = MakeLabel("LabelIntro", kFingerprintIntroduction, this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* row = new QHBoxLayout;
    row->addWidget(MakeLabel("LabelPrompt", "请输入您的指纹代码：", this));
    code_ = new QLineEdit(this);
    code_->setObjectName(QStringLiteral("edtCode"));
    code_->setMaxLength(5);
    code_->installEventFilter(new TypedCharacterFilter(this, [](QChar c) { return c == QLatin1Char('o') || c == QLatin1Char('x'); }));
    code_->setValidator(new PastedTextValidator(code_, IsFingerprintCode));
    row->addWidget(code_, 1);
    auto* reckon = MakeButton("BtnReckon", "测算", this, [this] { Reckon(); });
    reckon->setStyleSheet(QStringLiteral("color: red;"));
    row->addWidget(reckon);
    row->addWidget(MakeButton("BtnClear", "清除", this, [this] { code_->clear(); }));
    row->addWidget(MakeButton("BtnClose", "关闭", this, [this] { close(); }));
    layout->addLayout(row);
    result_ = MakeReadOnlyText("MemoResult", this);
    layout->addWidget(result_, 1);
}

void TFrmzhiwen::Reckon() {
    const std::string code = code_->text().trimmed().toStdString();
    const CommandOutcome outcome = RunCommand(
        [&] { result_->setPlainText(QStringLiteral("测算结果:") + ToQString(FingerprintReading(code))); }, errors_);
    if (outcome == CommandOutcome::Cancelled) result_->clear();
}

}  // namespace varnel::ui

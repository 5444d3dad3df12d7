#include "ui/widgets.hpp"

#include <QKeyEvent>
#include <QValidator>

#include <algorithm>

#include "text/gbk.hpp"

namespace varnel::ui {

namespace {

// Accepts a text of at most n GBK bytes (a Chinese character counts two).
class GbkLengthValidator : public QValidator {
public:
    GbkLengthValidator(int bytes, QObject* parent) : QValidator(parent), bytes_(bytes) {}
    State validate(QString& input, int&) const override {
        return static_cast<int>(GbkLength(input.toStdString())) <= bytes_ ? Acceptable : Invalid;
    }

private:
    int bytes_;
};

constexpr int kNameBytes = 4;

// Discards typed characters other than digits, Backspace and Enter; keys without text pass.
class DigitKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const QString text = key->text();
            const bool control = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Return ||
                                 key->key() == Qt::Key_Enter;
            if (!control && !text.isEmpty() && !(text.size() == 1 && text[0].isDigit() && text[0].unicode() < 128)) {
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// At most `maxDigits` digits. Pasted text keeps only its digits ("138 0000 1234" gives
// 13800001234); full-width digits become ASCII ones.
class PastedDigitsValidator : public QValidator {
public:
    PastedDigitsValidator(int maxDigits, QObject* parent) : QValidator(parent), maxDigits_(maxDigits) {}
    State validate(QString& input, int& position) const override {
        QString digits;
        for (const QChar c : input) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) digits += c;
            else if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19) digits += QChar(u'0' + (c.unicode() - 0xFF10));
        }
        if (digits.size() > maxDigits_) return Invalid;
        if (digits != input) {
            input = digits;
            position = std::min(position, static_cast<int>(digits.size()));
        }
        return Acceptable;
    }

private:
    int maxDigits_;
};

}  // namespace

QLabel* MakeLabel(const char* objectName, const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QPushButton* MakeButton(const char* objectName, const char* caption, QWidget* parent, std::function<void()> onClick) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    // Enter belongs to the entry fields: each window says what it does there.
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, parent, [onClick = std::move(onClick)] { onClick(); });
    return button;
}

QPlainTextEdit* MakeReadOnlyText(const char* objectName, QWidget* parent) {
    auto* text = new QPlainTextEdit(parent);
    text->setObjectName(QString::fromLatin1(objectName));
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return text;
}

QLineEdit* MakeGbkBox(const char* objectName, int maxBytes, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setValidator(new GbkLengthValidator(maxBytes, edit));
    return edit;
}

QLineEdit* MakeNameBox(const char* objectName, QWidget* parent) {
    auto* edit = MakeGbkBox(objectName, kNameBytes, parent);
    edit->setMaximumWidth(60);
    return edit;
}

QLineEdit* MakeUpperCaseBox(const char* objectName, int maxBytes, QWidget* parent) {
    auto* edit = MakeGbkBox(objectName, maxBytes, parent);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text) return;
        const int cursor = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(cursor);
    });
    return edit;
}

QLineEdit* MakeDigitBox(const char* objectName, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->installEventFilter(new DigitKeyFilter(edit));
    edit->setValidator(new PastedDigitsValidator(maxLength, edit));
    return edit;
}

QLabel* MakeValueLabel(const char* objectName, QWidget* parent, const char* color) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (color != nullptr) label->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(color)));
    return label;
}

}  // namespace varnel::ui

// Bad text in every entry field of every window: each field answers with its own message, a
// notice or a reading; never an error about the knowledge files, never a crash.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <string_view>
#include <utility>

#include "app/main_window.hpp"
#include "calendar/ui/calendar_window.hpp"
#include "divination/ui/almanac_window.hpp"
#include "divination/ui/zhuge_windows.hpp"
#include "names/ui/change_name_window.hpp"
#include "names/ui/name_come_window.hpp"
#include "numbers/ui/number_windows.hpp"
#include "readings/ui/net_name_window.hpp"
#include "text/gbk.hpp"
#include "ui/message_boxes.hpp"
#include "qt_test_support.hpp"

using varnel::app::TFrmmain;

namespace {

// What a user may paste into a field.
const QStringList& BadTexts() {
    static const QStringList texts = {
        QString(), QStringLiteral("   "), QString(300, QChar(0x5F20)) /* 张 × 300 */,
        QStringLiteral("'"), QStringLiteral("%"), QStringLiteral("_"), QStringLiteral("' or '1'='1"),
        U("😀"), U("１９８０"), QStringLiteral("-5"), QStringLiteral("99999"), QStringLiteral("0")};
    return texts;
}

// Runs `action` and answers the message boxes it opened, "title|text" each, closing them.
// Any other modal dialog is handed to `onDialog` (which must close it) or rejected.
QStringList Replies(const std::function<void()>& action,
                    const std::function<void(QDialog*)>& onDialog = {}) {
    QStringList replies;
    QTimer timer;  // stopped with the scope, so it cannot fire into a later call
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            replies << box->windowTitle() + QLatin1Char('|') + box->text();
            box->button(QMessageBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            if (onDialog) onDialog(dialog);
            else dialog->reject();
        }
    });
    timer.start();
    action();
    return replies;
}

// Pastes `text` over what a line holds; the field's validator and length limit apply.
void Paste(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->insert(text);
}

QString Notice(const char* text) { return QStringLiteral("提示|") + U(text); }
QString ErrorBox(const QString& text) { return varnel::ui::kProgramTitle + QLatin1Char('|') + text; }

bool IsClockMinute(const QString& text) {
    bool ok = false;
    const int minute = text.toInt(&ok);
    return ok && minute >= 0 && minute <= 59;
}

// The main window's panel, as a user leaves it before changing one field.
void FillGoodPanel(TFrmmain& window) {
    Paste(Find<QLineEdit>(window, "NameA"), U("张"));
    Paste(Find<QLineEdit>(window, "NameB"), U("三"));
    const std::pair<const char*, const char*> lists[] = {
        {"Sex", "男"},  {"Xuxing", "A型"}, {"ComDate", "生日公历"}, {"SYear", "1980"},
        {"SMonth", "1"}, {"Sday", "5"},     {"Shour", "午 12"},     {"Fengzhong", "30"}};
    for (const auto& [list, value] : lists) Find<QComboBox>(window, list)->setCurrentText(U(value));
    Find<QComboBox>(window, "Birthplace")->setCurrentText(U("北京"));
    Find<QCheckBox>(window, "TrueSolarTime")->setChecked(false);
}

// What a reading answers when `field` of an otherwise good panel holds `text`: the empty text
// when it runs, else its notice or error box.
QString PanelReply(const QString& field, const QString& text, const QString& command) {
    const QString t = text.trimmed();
    const bool birthReport = command != QLatin1String("name-report") && command != QLatin1String("star-report");
    if (field == QLatin1String("NameA")) return t.isEmpty() ? Notice("姓不能为空!") : QString();
    if (field == QLatin1String("NameB")) return t.isEmpty() ? Notice("名不能为空!") : QString();
    if (field == QLatin1String("Xuxing")) return t.isEmpty() && birthReport ? Notice("血型不能为空!") : QString();
    if (field == QLatin1String("SYear")) {
        return t.isEmpty() ? Notice("请选择出生年!") : ErrorBox(QStringLiteral("'%1-1-5' is not a valid date").arg(t));
    }
    if (field == QLatin1String("SMonth")) {
        return t.isEmpty() ? Notice("请选择出生月!") : ErrorBox(QStringLiteral("'1980-%1-5' is not a valid date").arg(t));
    }
    if (field == QLatin1String("Sday")) {
        return t.isEmpty() ? Notice("请选择出生日!") : ErrorBox(QStringLiteral("'1980-1-%1' is not a valid date").arg(t));
    }
    if (field == QLatin1String("Shour")) {
        // The clock hour is read from GBK bytes 4-5 of the item ("午 12"): "99999" reads 99, no
        // hour, and gets the hour's notice; "' or '1'='1" reads "r", full-width digits and 张 are
        // cut in half ("??"), shorter texts read nothing: conversion errors with what was read.
        if (t.isEmpty() || t == QLatin1String("99999")) return Notice("请选择出生小时!");
        const QString read = t == QLatin1String("' or '1'='1") ? QStringLiteral("r")
                             : t.startsWith(QChar(0xFF11)) || t.startsWith(QChar(0x5F20)) ? QStringLiteral("??")
                                                                                         : QString();
        return ErrorBox(QStringLiteral("'%1' is not a valid integer value").arg(read));
    }
    if (field == QLatin1String("Fengzhong")) {
        return birthReport && !IsClockMinute(text) ? Notice("请选择出生分钟(0至59)!") : QString();
    }
    if (field == QLatin1String("Birthplace") && birthReport) {
        return t.isEmpty() ? Notice("请选择出生地!") : Notice("没有找到这个出生地，请从列表中选择!");
    }
    return {};  // Sex and ComDate are free texts: 性别 is printed as typed, a calendar not 公历 reads as 农历
}

}  // namespace

class BadInputUiTest : public QObject {
    Q_OBJECT

private slots:
    // Every field of the input panel with every bad text, through the readings that accept the panel.
    void BirthPanelFields() {
        TFrmmain window;
        window.show();
        auto* memo = Find<QPlainTextEdit>(window, "RzMemo1");
        const char* fields[] = {"NameA", "NameB", "Sex",   "Xuxing",    "ComDate",   "SYear",
                                "SMonth", "Sday",  "Shour", "Fengzhong", "Birthplace"};
        const char* commands[] = {"bazi", "birthinfo", "chenggu", "blood", "name-report", "star-report"};
        for (const char* fieldName : fields) {
            const QString field = QString::fromLatin1(fieldName);
            for (const QString& text : BadTexts()) {
                for (const char* commandName : commands) {
                    const QString command = QString::fromLatin1(commandName);
                    const QString what = field + QLatin1Char(' ') + command + QStringLiteral(" [") + text.left(12) + QLatin1Char(']');
                    FillGoodPanel(window);
                    window.RunCommand("birthinfo");
                    const QString before = memo->toPlainText();
                    if (field == QLatin1String("Birthplace")) Find<QCheckBox>(window, "TrueSolarTime")->setChecked(true);
                    if (field.startsWith(QLatin1String("Name"))) Paste(Find<QLineEdit>(window, fieldName), text);
                    else Paste(Find<QComboBox>(window, fieldName)->lineEdit(), text);

                    const QStringList replies = Replies([&] { window.RunCommand(commandName); });
                    const QString expected = PanelReply(field, text, command);
                    QVERIFY2(replies == (expected.isEmpty() ? QStringList() : QStringList{expected}),
                             qPrintable(what + QStringLiteral(": ") + replies.join(QLatin1String(" / "))));
                    const bool checkedBeforeWriting = !expected.isEmpty() && field != QLatin1String("Fengzhong");
                    if (checkedBeforeWriting) {
                        QVERIFY2(memo->toPlainText() == before, qPrintable(what));  // nothing written
                    } else {
                        QVERIFY2(!memo->toPlainText().isEmpty(), qPrintable(what));
                    }
                }
            }
        }
    }

    // A name field takes at most two characters: longer pasted text is refused and the field keeps
    // its name; a wildcard taken as a name counts 0 strokes instead of matching a row.
    void NameFieldsRefuseLongTextAndWildcardsMatchNothing() {
        TFrmmain window;
        window.show();
        FillGoodPanel(window);
        for (const QString& text : {QString(300, QChar(0x5F20)), QStringLiteral("' or '1'='1"), U("１９８０")}) {
            Paste(Find<QLineEdit>(window, "NameB"), text);
            QCOMPARE(Find<QLineEdit>(window, "NameB")->text(), U("三"));
        }
        for (const char* wildcard : {"%", "_"}) {
            Paste(Find<QLineEdit>(window, "NameB"), QString::fromLatin1(wildcard));
            QCOMPARE(Replies([&] { window.RunCommand("name-report"); }), QStringList());
            const QString report = Find<QPlainTextEdit>(window, "RzMemo1")->toPlainText();
            QVERIFY2(report.contains(U("地格: 1 ")), qPrintable(report.left(400)));  // 0 strokes + 1
        }
    }

    void NumberWindows() {
        for (const QString& text : BadTexts()) {
            const QString what = QStringLiteral("[") + text.left(12) + QLatin1Char(']');
            varnel::ui::TFrm_SJcs phone;
            phone.show();
            auto* entry = Find<QLineEdit>(phone, "edtmun");
            Paste(entry, text);
            QVERIFY2(entry->text().contains(QRegularExpression(QStringLiteral("^[0-9]*$"))), qPrintable(what));
            QCOMPARE(Replies([&] { Find<QPushButton>(phone, "RzBitBtn1")->click(); }),
                     QStringList{Notice("请输入11位手机号码！")});

            varnel::ui::TFrmQQhm qq;
            qq.show();
            Paste(Find<QLineEdit>(qq, "edtmun"), text);
            const QString digits = Find<QLineEdit>(qq, "edtmun")->text();
            const QStringList replies = Replies([&] { Find<QPushButton>(qq, "RzBitBtn1")->click(); });
            if (digits.isEmpty()) {
                QCOMPARE(replies, QStringList{Notice("请输入你的QQ号码！")});
            } else {
                QVERIFY2(replies.isEmpty(), qPrintable(what));
                QCOMPARE(Find<QLabel>(qq, "RzLabel11")->text(), digits);
                QVERIFY2(!Find<QLabel>(qq, "RzLabel8")->text().isEmpty(), qPrintable(what));
            }

            for (const char* field : {"QQ1", "QQ2"}) {
                varnel::ui::TFormQQpeidui pair;
                pair.show();
                Paste(Find<QLineEdit>(pair, "QQ1"), QStringLiteral("12345"));
                Paste(Find<QLineEdit>(pair, "QQ2"), QStringLiteral("67890"));
                Paste(Find<QLineEdit>(pair, field), text);
                const QString entered = Find<QLineEdit>(pair, field)->text();
                const QStringList answer = Replies([&] { Find<QPushButton>(pair, "RzBitBtn1")->click(); });
                const bool own = std::string_view(field) == "QQ1";
                if (entered.isEmpty()) {
                    QCOMPARE(answer, QStringList{Notice(own ? "请输入自己的QQ号码！" : "请输入对方的QQ号码！")});
                } else if (entered.size() < 5) {
                    QCOMPARE(answer, QStringList{Notice("请输入正确的QQ号码！")});
                } else {
                    QVERIFY2(answer.isEmpty() && !Find<QLabel>(pair, "RzLabel11")->text().isEmpty(), qPrintable(what));
                }
            }
        }
        // Pasted numbers keep their digits, whatever separates them.
        varnel::ui::TFrm_SJcs phone;
        Paste(Find<QLineEdit>(phone, "edtmun"), QStringLiteral("138 0000-1234"));
        QCOMPARE(Find<QLineEdit>(phone, "edtmun")->text(), QStringLiteral("13800001234"));
        Paste(Find<QLineEdit>(phone, "edtmun"), U("１３８００００１２３４"));
        QCOMPARE(Find<QLineEdit>(phone, "edtmun")->text(), QStringLiteral("13800001234"));
        Paste(Find<QLineEdit>(phone, "edtmun"), QStringLiteral("1380000123456"));  // too long: refused
        QCOMPARE(Find<QLineEdit>(phone, "edtmun")->text(), QStringLiteral("13800001234"));
    }

    void NetNameAlmanacAndFingerprintWindows() {
        for (const QString& text : BadTexts()) {
            const QString what = QStringLiteral("[") + text.left(12) + QLatin1Char(']');
            const QString t = text.trimmed();

            varnel::ui::TFrmWangming net;
            net.show();
            Paste(Find<QLineEdit>(net, "edtName"), text);
            const QString name = Find<QLineEdit>(net, "edtName")->text().trimmed();
            const QStringList netReplies = Replies([&] { Find<QPushButton>(net, "BtnReckon")->click(); });
            QCOMPARE(netReplies, name.isEmpty() ? QStringList{Notice("请输入你的网名！")} : QStringList());

            const char* emptyNotices[] = {"请选择年!", "请选择月!", "请选择日!"};
            for (int box = 0; box < 3; ++box) {
                varnel::ui::TFormHuangdao almanac;
                almanac.show();
                auto* result = almanac.findChild<QPlainTextEdit*>();
                const QString before = result->toPlainText();
                Paste(almanac.findChildren<QComboBox*>().at(box)->lineEdit(), text);
                const QStringList replies = Replies([&] { Find<QPushButton>(almanac, "BtnReckon")->click(); });
                QCOMPARE(replies, QStringList{Notice(t.isEmpty() ? emptyNotices[box] : "请选择有效的日期!")});
                QCOMPARE(result->toPlainText(), before);
            }

            // Only o and x reach the code; anything else pasted is refused and the box stays empty.
            varnel::ui::TFrmzhiwen fingerprint;
            fingerprint.show();
            Paste(Find<QLineEdit>(fingerprint, "edtCode"), text);
            QCOMPARE(Find<QLineEdit>(fingerprint, "edtCode")->text(), QString());
        }
        varnel::ui::TFrmzhiwen fingerprint;
        Paste(Find<QLineEdit>(fingerprint, "edtCode"), QStringLiteral("OXOXO"));
        QCOMPARE(Find<QLineEdit>(fingerprint, "edtCode")->text(), QStringLiteral("OXOXO"));
        QCOMPARE(Replies([&] { Find<QPushButton>(fingerprint, "BtnReckon")->click(); }), QStringList());
        QVERIFY(Find<QPlainTextEdit>(fingerprint, "MemoResult")->toPlainText().size() > 20);
    }

    void NameWindows() {
        for (const QString& text : BadTexts()) {
            const QString what = QStringLiteral("[") + text.left(12) + QLatin1Char(']');
            // 姓氏起源: a text that is no surname of the table leaves the shown origin as it was.
            varnel::ui::TFrmNameCome origins;
            origins.show();
            auto* surnames = origins.findChild<QComboBox*>();
            auto* memo = Find<QPlainTextEdit>(origins, "Memo1");
            Paste(surnames->lineEdit(), U("张"));
            QCOMPARE(Replies([&] { Find<QPushButton>(origins, "RzBitBtn1")->click(); }), QStringList());
            const QString zhang = memo->toPlainText();
            QVERIFY(!zhang.isEmpty());
            Paste(surnames->lineEdit(), text);
            QCOMPARE(Replies([&] { Find<QPushButton>(origins, "RzBitBtn1")->click(); }), QStringList());
            QCOMPARE(memo->toPlainText(), text.trimmed().isEmpty() ? QString() : zhang);

            // 起名宝典's trial: the given-name field refuses more than two characters and the trial
            // reads what it holds (the surname field is the window's own and read-only).
            varnel::ui::TFrmChangeName names(std::string("张"));
            names.show();
            QVERIFY(Find<QLineEdit>(names, "NameA")->isReadOnly());
            auto* given = Find<QLineEdit>(names, "NameB");
            Paste(given, U("四"));
            Paste(given, text);
            QVERIFY2(varnel::GbkLength(given->text().toStdString()) <= 4, qPrintable(what));
            QCOMPARE(Replies([&] { Find<QPushButton>(names, "RzButton1")->click(); }), QStringList());
        }
    }

    // 测字论命: each box holds one Chinese character; pasted ASCII, an emoji (no GBK character) or
    // longer text is refused, and a missing character leaves the verse empty.
    void CharacterTestBoxes() {
        TFrmmain window;
        window.show();
        FillGoodPanel(window);
        for (const QString& text : BadTexts()) {
            const QString what = QStringLiteral("[") + text.left(12) + QLatin1Char(']');
            QString pasted = QStringLiteral("<none>");
            const QStringList replies = Replies([&] { window.RunCommand("character-test"); }, [&](QDialog* dialog) {
                Paste(Find<QLineEdit>(*dialog, "Char1"), text);
                pasted = Find<QLineEdit>(*dialog, "Char1")->text();
                Paste(Find<QLineEdit>(*dialog, "Char2"), U("天"));
                Paste(Find<QLineEdit>(*dialog, "Char3"), U("地"));
                Find<QPushButton>(*dialog, "BtnReckon")->click();
            });
            QVERIFY2(replies.isEmpty(), qPrintable(what));
            QVERIFY2(pasted.isEmpty(), qPrintable(what + QStringLiteral(" -> ") + pasted));
            QCOMPARE(Find<QPlainTextEdit>(window, "RzMemo1")->toPlainText().section(QLatin1Char('\n'), 0, 0),
                     U("你测算的三个字是:天地 解析如下..."));
        }
        Replies([&] { window.RunCommand("character-test"); }, [&](QDialog* dialog) {
            Paste(Find<QLineEdit>(*dialog, "Char1"), U("测"));
            Paste(Find<QLineEdit>(*dialog, "Char2"), U("天"));
            Paste(Find<QLineEdit>(*dialog, "Char3"), U("地"));
            Find<QPushButton>(*dialog, "BtnReckon")->click();
        });
        const QStringList lines = Find<QPlainTextEdit>(window, "RzMemo1")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), U("你测算的三个字是:测天地 解析如下..."));
        QVERIFY(lines.value(2).trimmed().size() > 0);  // the verse's title
    }

    // The calendar's year and month take only numbers in their ranges.
    void CalendarSpinners() {
        varnel::ui::DateWin calendar;
        calendar.show();
        for (QSpinBox* spin : calendar.findChildren<QSpinBox*>()) {
            for (const QString& text : BadTexts()) {
                spin->selectAll();
                for (const QChar c : text) {
                    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                    QApplication::sendEvent(spin, &press);
                }
                spin->interpretText();
                QVERIFY(spin->value() >= spin->minimum() && spin->value() <= spin->maximum());
            }
        }
    }
};

QTEST_MAIN(BadInputUiTest)
#include "bad_input_ui_test.moc"

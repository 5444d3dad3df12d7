#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "names/numerology.hpp"
#include "numbers/number_tests.hpp"
#include "numbers/ui/number_windows.hpp"
#include "qt_test_support.hpp"

using namespace varnel::ui;

namespace {

void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) QTest::keyClick(widget, c.toLatin1());
}

}  // namespace

class NumbersUiTest : public QObject {
    Q_OBJECT

private slots:
    void PhoneWindow() {
        TFrm_SJcs window;
        window.show();
        QCOMPARE(window.windowTitle(), U("手机号码测算"));
        auto* entry = Find<QLineEdit>(window, "edtmun");
        Type(entry, QStringLiteral("138a0-0b00.1234"));
        QCOMPARE(entry->text(), QStringLiteral("13800001234"));  // letters and punctuation never appear
        QTest::keyClick(entry, Qt::Key_Return);                 // Enter runs the test
        const varnel::PhoneReading reading = varnel::PhoneReadingOfKey("34");
        QCOMPARE(Find<QLabel>(window, "RzLabel11")->text(), QStringLiteral("13800001234"));
        QCOMPARE(Find<QLabel>(window, "RzLabel10")->text(), QString::fromStdString(reading.title));
        QCOMPARE(Find<QLabel>(window, "RzLabel9")->text(), QString::fromStdString(reading.luck));
        QCOMPARE(Find<QLabel>(window, "RzLabel8")->text(), QString::fromStdString(reading.content));

        entry->setText(QStringLiteral("1380000"));
        QCOMPARE(MessageOf([&] { Find<QPushButton>(window, "RzBitBtn1")->click(); }), U("提示|请输入11位手机号码！"));
        QCOMPARE(Find<QLabel>(window, "RzLabel11")->text(), QStringLiteral("13800001234"));  // unchanged
        entry->clear();
        QCOMPARE(MessageOf([&] { Find<QPushButton>(window, "RzBitBtn1")->click(); }), U("提示|请输入11位手机号码！"));
    }

    void QqAndOtherNumberWindows() {
        TFrmQQhm qq;
        QCOMPARE(qq.windowTitle(), U("QQ号码测试"));
        QCOMPARE(Find<QLabel>(qq, "RzLabel1")->text(), U("QQ号码："));
        QCOMPARE(Find<QLabel>(qq, "RzLabel5")->text(), U("qq号码是："));
        QCOMPARE(MessageOf([&] { Find<QPushButton>(qq, "RzBitBtn1")->click(); }), U("提示|请输入你的QQ号码！"));
        auto* entry = Find<QLineEdit>(qq, "edtmun");
        Type(entry, QStringLiteral("1x62"));
        QCOMPARE(entry->text(), QStringLiteral("162"));
        QTest::keyClick(entry, Qt::Key_Enter);
        QCOMPARE(Find<QLabel>(qq, "RzLabel10")->text(), U("大展鸿图，信用得固，名利双收，可获成功"));
        QCOMPARE(Find<QLabel>(qq, "RzLabel9")->text(), U("吉"));

        TFrm_onther other;
        QCOMPARE(other.windowTitle(), U("任意号码分析"));
        QCOMPARE(Find<QLabel>(other, "RzLabel1")->text(), U("任意号码："));
        QCOMPARE(Find<QLabel>(other, "RzLabel5")->text(), U("输入号码是："));
        QCOMPARE(MessageOf([&] { Find<QPushButton>(other, "RzBitBtn1")->click(); }), U("提示|请输入你的号码！"));
        Find<QLineEdit>(other, "edtmun")->setText(QStringLiteral("26"));
        Find<QPushButton>(other, "RzBitBtn1")->click();
        QCOMPARE(Find<QLabel>(other, "RzLabel9")->text(), U("凶带吉"));
        Find<QLineEdit>(other, "edtmun")->setText(QStringLiteral("999999999999999999"));
        Find<QPushButton>(other, "RzBitBtn1")->click();
        const auto parts = varnel::SplitVerse(varnel::EightyOneVerses[999999999999999999LL % 81]);
        QCOMPARE(Find<QLabel>(other, "RzLabel10")->text(), QString::fromStdString(parts.verse));
    }

    void QqPairingWindowChecksItsEntries() {
        TFormQQpeidui window;
        window.show();
        QCOMPARE(window.windowTitle(), U("QQ号码缘分配对"));
        auto* first = Find<QLineEdit>(window, "QQ1");
        auto* second = Find<QLineEdit>(window, "QQ2");
        auto* run = Find<QPushButton>(window, "RzBitBtn1");
        struct Case {
            const char* own;
            const char* other;
            const char* message;
            QLineEdit* focus;
        };
        const Case cases[] = {
            {"", "12345", "请输入自己的QQ号码！", first},
            {"1234", "12345", "请输入正确的QQ号码！", first},
            {"12345678901", "12345", "请输入正确的QQ号码！", first},
            {"12a45", "12345", "请输入正确的QQ号码！", first},  // pasted, not typed
            {"12345", "", "请输入对方的QQ号码！", second},
            {"12345", "1234", "请输入正确的QQ号码！", second},
        };
        for (const Case& c : cases) {
            first->setText(U(c.own));
            second->setText(U(c.other));
            QCOMPARE(MessageOf([&] { run->click(); }), U("提示|") + U(c.message));
            QCOMPARE(window.focusWidget(), c.focus);
            QVERIFY(Find<QLabel>(window, "RzLabel11")->text().isEmpty());
        }
        first->clear();
        Type(first, QStringLiteral("12x345"));
        QCOMPARE(first->text(), QStringLiteral("12345"));
        second->setText(QStringLiteral("67890"));
        QTest::keyClick(second, Qt::Key_Return);  // Enter does not run the reading here
        QVERIFY(Find<QLabel>(window, "RzLabel11")->text().isEmpty());
        run->click();
        QCOMPARE(Find<QLabel>(window, "RzLabel11")->text(),
                 QString::fromStdString(varnel::QqPairingText("12345", "67890")));
        QVERIFY(!Find<QLabel>(window, "RzLabel11")->text().isEmpty());
    }
};

QTEST_MAIN(NumbersUiTest)
#include "numbers_ui_test.moc"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "readings/ui/net_name_window.hpp"
#include "qt_test_support.hpp"

namespace {

}  // namespace

class ReadingsUiTest : public QObject {
    Q_OBJECT

private slots:
    void NetNameWindow() {
        varnel::ui::TFrmWangming window;
        window.show();
        QCOMPARE(window.windowTitle(), U("网名与性格"));
        auto* entry = Find<QLineEdit>(window, "edtName");

        QString seen;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = box->windowTitle() + QLatin1Char('|') + box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        entry->setText(QStringLiteral("   "));
        Find<QPushButton>(window, "BtnReckon")->click();
        QCOMPARE(seen, U("提示|请输入你的网名！"));
        QCOMPARE(Find<QLabel>(window, "LabelName")->text(), U("你的网名："));

        entry->clear();
        QTest::keyClicks(entry, QStringLiteral("abc"));
        QCOMPARE(entry->text(), QStringLiteral("ABC"));  // shown in upper case as typed
        entry->setText(U("王小明"));
        QTest::keyClick(entry, Qt::Key_Return);  // Enter runs the reading
        QCOMPARE(Find<QLabel>(window, "LabelName")->text(), U("你的网名：王小明"));
        QCOMPARE(Find<QLabel>(window, "LabelTrait")->text(),
                 U("你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"));
        entry->setText(U("★"));
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(Find<QLabel>(window, "LabelTrait")->text(), U("你的性格："));
    }

    void NetNameEntryHoldsEighteenBytes() {
        varnel::ui::TFrmWangming window;
        auto* entry = Find<QLineEdit>(window, "edtName");
        QTest::keyClicks(entry, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        QCOMPARE(entry->text(), QStringLiteral("ABCDEFGHIJKLMNOPQR"));
    }
};

QTEST_MAIN(ReadingsUiTest)
#include "readings_ui_test.moc"

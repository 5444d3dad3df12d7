#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "names/name_suggestion.hpp"
#include "names/ui/change_name_window.hpp"
#include "names/ui/name_come_window.hpp"
#include "test_support.hpp"
#include "qt_test_support.hpp"

using varnel::ui::TFrmChangeName;
using varnel::ui::TFrmNameCome;

namespace {

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

}  // namespace

class NamesUiTest : public QObject {
    Q_OBJECT

private slots:
    void SuggestionWindowListsTheCombinations() {
        auto* window = new TFrmChangeName("王");
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), U("取名宝典"));
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(Find<QLineEdit>(*window, "NameA")->text(), U("王"));
        QVERIFY(Find<QLineEdit>(*window, "NameA")->isReadOnly());
        QVERIFY(Find<QRadioButton>(*window, "RzRadioButton2")->isChecked());

        auto* list = Find<QComboBox>(*window, "ComboBCode");
        const auto two = varnel::StrokeSuggestions(2, "王");
        QCOMPARE(list->count(), static_cast<int>(two.size()));
        QVERIFY(list->count() > 0);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->itemText(0), QStringLiteral("第一字:%1画 第二字:%2画").arg(two[0].g1).arg(two[0].g2));

        Find<QPushButton>(*window, "RzBitBtn1")->click();  // 取名
        QCOMPARE(Find<QPlainTextEdit>(*window, "NameOne")->toPlainText(),
                 QString::fromStdString(varnel::CharactersWithStrokes(two[0].g1)));
        QCOMPARE(Find<QPlainTextEdit>(*window, "NameTwo")->toPlainText(),
                 QString::fromStdString(varnel::CharactersWithStrokes(two[0].g2)));

        Find<QRadioButton>(*window, "RzRadioButton1")->click();
        const auto one = varnel::StrokeSuggestions(1, "王");
        QCOMPARE(list->count(), static_cast<int>(one.size()));
        QVERIFY(list->count() > 0);
        QCOMPARE(list->itemText(0), QStringLiteral("名1字:%1画").arg(one[0].g1));
        Find<QPushButton>(*window, "RzBitBtn1")->click();
        QVERIFY(!Find<QPlainTextEdit>(*window, "NameOne")->toPlainText().isEmpty());
        QVERIFY(Find<QPlainTextEdit>(*window, "NameTwo")->toPlainText().isEmpty());

        Find<QRadioButton>(*window, "RzRadioButton2")->click();
        QCOMPARE(list->itemText(0), QStringLiteral("名1字:%1画 名2字:%2画").arg(two[0].g1).arg(two[0].g2));
        window->close();
    }

    void SuggestionWindowTriesANewName() {
        TFrmChangeName window("张");
        window.show();
        auto* result = Find<QPlainTextEdit>(window, "RzMemo1");
        Find<QPushButton>(window, "RzButton1")->click();  // empty NameB: nothing
        QVERIFY(result->toPlainText().isEmpty());
        Find<QLineEdit>(window, "NameB")->setText(U("三丰"));
        Find<QPushButton>(window, "RzButton1")->click();
        QStringList expected;
        for (const std::string& line : varnel::TrialNameLines("张", "三丰")) expected << QString::fromStdString(line);
        QCOMPARE(result->toPlainText().split(QLatin1Char('\n')), expected);
        QCOMPARE(expected.first(), U("张三丰,您的三才为木火木"));
    }

    void SurnameWindowSearches() {
        const auto dir = std::filesystem::temp_directory_path() / "varnel-xing-fixture";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        varnel::testing::WriteFixtureDb(dir / "BrennBirth.dll",
                                        "create table xing (id integer, xingl text, intro text);"
                                        "insert into xing values (1, '王', '王姓源流\n第二段'), (2, '李', '李姓源流');");
        const varnel::testing::KnowledgeDirOverride knowledge(dir);
        TFrmNameCome window;
        window.show();
        QCOMPARE(window.windowTitle(), U("姓氏起源"));
        auto* box = Find<QComboBox>(window, "SYear");
        QCOMPARE(Items(box), (QStringList{U("李"), U("王")}));  // ordered by xingl
        auto* text = Find<QPlainTextEdit>(window, "Memo1");
        auto* search = Find<QPushButton>(window, "RzBitBtn1");

        box->setCurrentText(U("  王 "));
        search->click();
        QCOMPARE(text->toPlainText(), U("王姓源流\n第二段"));
        box->setCurrentText(U("赵"));  // unknown: the text stays
        search->click();
        QCOMPARE(text->toPlainText(), U("王姓源流\n第二段"));
        box->setCurrentText(QString());
        search->click();
        QVERIFY(text->toPlainText().isEmpty());
    }

    void SurnameWindowKnowsTheCommonSurnames() {
        TFrmNameCome window;
        auto* box = Find<QComboBox>(window, "SYear");
        QVERIFY2(box->count() >= 300, qPrintable(QString::number(box->count())));
        for (const char* surname : {"王", "李", "张", "欧阳", "诸葛", "司马", "上官", "令狐"}) {
            QVERIFY2(box->findText(U(surname)) >= 0, surname);
        }
    }
};

QTEST_MAIN(NamesUiTest)
#include "names_ui_test.moc"

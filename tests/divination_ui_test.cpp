#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QSvgRenderer>
#include <QtTest>
#include <deque>
#include <filesystem>
#include <fstream>

#include "divination/hexagram.hpp"
#include "divination/zhuge.hpp"
#include "divination/ui/almanac_window.hpp"
#include "divination/picture_pages.hpp"
#include "divination/ui/library_windows.hpp"
#include "test_support.hpp"
#include "divination/ui/qigua_window.hpp"
#include "divination/ui/zhuge_windows.hpp"
#include "qt_test_support.hpp"
#include <QComboBox>
#include <QDate>
#include <QLineEdit>

using varnel::ui::TFrmQigua;

namespace {

QPushButton* Toss(QWidget& window, int coin) { return Find<QPushButton>(window, QStringLiteral("BtnToss%1").arg(coin)); }

// A random source that answers the given draws in turn.
TFrmQigua::RandomSource Draws(std::deque<int> draws) {
    return [draws](int) mutable {
        const int next = draws.front();
        draws.pop_front();
        return next;
    };
}

}  // namespace

class DivinationUiTest : public QObject {
    Q_OBJECT

private slots:
    void OpensInComputerMode() {
        TFrmQigua window;
        QCOMPARE(window.windowTitle(), U("金钱卦"));
        QVERIFY(Find<QRadioButton>(window, QStringLiteral("RadioByComputer"))->isChecked());
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelTitle"))->text(), U("未起卦"));
        for (int coin = 1; coin <= 6; ++coin) QVERIFY(!Toss(window, coin)->isEnabled());
        QCOMPARE(Toss(window, 3)->text(), U("投第3币"));
    }

    void SixHeadsAndSixTails() {
        for (const int draw : {1, 0}) {  // 1 is heads
            TFrmQigua window(nullptr, Draws({draw, draw, draw, draw, draw, draw}));
            Find<QRadioButton>(window, QStringLiteral("RadioByHand"))->click();
            for (int coin = 1; coin <= 6; ++coin) {
                Toss(window, coin)->click();
                QVERIFY(!Toss(window, coin)->isEnabled());
            }
            const std::array<int, 6> expected = draw == 1 ? std::array<int, 6>{0, 0, 0, 0, 0, 0}
                                                          : std::array<int, 6>{1, 1, 1, 1, 1, 1};
            QVERIFY(window.Results() == expected);
            Find<QPushButton>(window, QStringLiteral("BtnShow"))->click();
            const auto hexagram = varnel::HexagramByCode(draw == 1 ? "000000" : "111111");
            QVERIFY(hexagram.has_value());
            QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelTitle"))->text(), QString::fromStdString(hexagram->title));
            QCOMPARE(Find<QPlainTextEdit>(window, QStringLiteral("MemoGua"))->toPlainText(),
                     QString::fromStdString(hexagram->value));
        }
    }

    void AlternatingTosses() {
        TFrmQigua window(nullptr, Draws({1, 0, 1, 0, 1, 0}));
        Find<QRadioButton>(window, QStringLiteral("RadioByHand"))->click();
        for (int coin = 1; coin <= 6; ++coin) Toss(window, coin)->click();
        QVERIFY((window.Results() == std::array<int, 6>{0, 1, 0, 1, 0, 1}));
        QCOMPARE(Find<QLabel>(window, QStringLiteral("Coin1"))->property("face").toString(), U("正面"));
        QCOMPARE(Find<QLabel>(window, QStringLiteral("Coin2"))->property("face").toString(), U("反面"));
    }

    void AsksForTheFirstUntossedCoin() {
        TFrmQigua window(nullptr, Draws({1, 1, 1}));
        window.show();
        Find<QRadioButton>(window, QStringLiteral("RadioByHand"))->click();
        for (const int coin : {1, 2, 4}) Toss(window, coin)->click();
        QCOMPARE(MessageOf([&] { Find<QPushButton>(window, QStringLiteral("BtnShow"))->click(); }), U("投币提示|请投第3币！"));
        QCOMPARE(window.focusWidget(), Toss(window, 3));
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelTitle"))->text(), U("未起卦"));
    }

    void TossingInComputerModeIsRefused() {
        TFrmQigua window(nullptr, Draws({}));
        Toss(window, 1)->setEnabled(true);
        QCOMPARE(MessageOf([&] { Toss(window, 1)->click(); }), U("信息提示|全自动模式请直接查看起卦！"));
    }

    void SwitchingTheModeResets() {
        TFrmQigua window(nullptr, Draws({1, 1, 1, 1, 1, 1, 5}));
        Find<QRadioButton>(window, QStringLiteral("RadioByHand"))->click();
        for (int coin = 1; coin <= 6; ++coin) Toss(window, coin)->click();
        Find<QPushButton>(window, QStringLiteral("BtnShow"))->click();
        QVERIFY(Find<QLabel>(window, QStringLiteral("LabelTitle"))->text() != U("未起卦"));
        Find<QRadioButton>(window, QStringLiteral("RadioByComputer"))->click();
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelTitle"))->text(), U("未起卦"));
        QVERIFY(Find<QPlainTextEdit>(window, QStringLiteral("MemoGua"))->toPlainText().isEmpty());
        QVERIFY((window.Results() == std::array<int, 6>{}));
        for (int coin = 1; coin <= 6; ++coin) QVERIFY(!Toss(window, coin)->isEnabled());
    }

    void TheComputerDrawAlwaysFindsARow() {
        for (int n = 0; n < 64; ++n) {
            TFrmQigua window(nullptr, Draws({n}));
            Find<QPushButton>(window, QStringLiteral("BtnShow"))->click();
            const auto hexagram = varnel::HexagramById(n);
            QVERIFY(hexagram.has_value());
            QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelTitle"))->text(), QString::fromStdString(hexagram->title));
            for (int coin = 1; coin <= 6; ++coin) {
                const QString face = Find<QLabel>(window, QStringLiteral("Coin%1").arg(coin))->property("face").toString();
                QCOMPARE(face, hexagram->code[static_cast<std::size_t>(coin - 1)] == '0' ? U("正面") : U("反面"));
            }
        }
    }

    void SavesWithAndWithoutTheExtension() {
        const auto dir = std::filesystem::temp_directory_path() / "varnel-qigua-save";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        int asked = 0;
        std::filesystem::path answer;
        TFrmQigua window(nullptr, Draws({0, 0, 0}), [&] {
            ++asked;
            return answer;
        });
        Find<QPushButton>(window, QStringLiteral("BtnSave"))->click();  // empty text: no dialog
        QCOMPARE(asked, 0);
        Find<QPushButton>(window, QStringLiteral("BtnShow"))->click();
        answer = dir / "卦一";
        Find<QPushButton>(window, QStringLiteral("BtnSave"))->click();
        QVERIFY(std::filesystem::exists(dir / "卦一.txt"));
        answer = dir / "卦二.txt";
        Find<QPushButton>(window, QStringLiteral("BtnSave"))->click();
        QVERIFY(std::filesystem::exists(dir / "卦二.txt"));
        QVERIFY(!std::filesystem::exists(dir / "卦二.txt.txt"));
        QCOMPARE(asked, 2);
        std::filesystem::remove_all(dir);
    }

    void CharacterDialogTakesOneChineseCharacterPerBox() {
        varnel::ui::TFrmcezhi dialog;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), U("测字算命"));
        QVERIFY(Find<QLabel>(dialog, QStringLiteral("LabelIntro"))->text().endsWith(
            U("注意：输入简体中文还是繁体中文，笔画数均按繁体笔画数计算。")));
        auto* first = Find<QLineEdit>(dialog, QStringLiteral("Char1"));
        auto* second = Find<QLineEdit>(dialog, QStringLiteral("Char2"));
        first->setFocus();
        QTest::keyClicks(first, QStringLiteral("ab1"));  // codes below 127 are refused
        QVERIFY(first->text().isEmpty());
        for (const QString& c : {U("李"), U("王")}) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, c);
            QApplication::sendEvent(first, &press);
        }
        QCOMPARE(first->text(), U("李"));  // one character, two GBK bytes
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(dialog.focusWidget(), second);
        second->setText(U(" 王 "));
        Find<QLineEdit>(dialog, QStringLiteral("Char3"))->setText(U("张"));
        QCOMPARE(QString::fromStdString(dialog.Characters()), U("李王张"));
        Find<QPushButton>(dialog, QStringLiteral("BtnClear"))->click();
        QVERIFY(dialog.Characters().empty());
    }

    void FingerprintWindow() {
        varnel::ui::TFrmzhiwen window;
        window.show();
        QCOMPARE(window.windowTitle(), U("指纹算命"));
        auto* code = Find<QLineEdit>(window, QStringLiteral("edtCode"));
        QTest::keyClicks(code, QStringLiteral("oOx0Xxoxo"));
        QKeyEvent chinese(QEvent::KeyPress, 0, Qt::NoModifier, U("李"));
        QApplication::sendEvent(code, &chinese);
        QCOMPARE(code->text(), QStringLiteral("oxxox"));  // only o and x; a sixth letter cannot be typed
        Find<QPushButton>(window, QStringLiteral("BtnReckon"))->click();
        auto* result = Find<QPlainTextEdit>(window, QStringLiteral("MemoResult"));
        QCOMPARE(result->toPlainText(), U("测算结果:") + QString::fromStdString(varnel::FingerprintReading("oxxox")));
        code->clear();
        Find<QPushButton>(window, QStringLiteral("BtnReckon"))->click();
        QCOMPARE(result->toPlainText(), U("测算结果:"));
    }

    void AlmanacOpensOnToday() {
        auto* window = new varnel::ui::TFormHuangdao;
        window->show();
        QCOMPARE(window->windowTitle(), U("黄道吉日"));
        QVERIFY(!window->isModal());
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
        const QDate today = QDate::currentDate();
        QCOMPARE(Find<QComboBox>(*window, QStringLiteral("ComboYear"))->currentText(), today.toString(QStringLiteral("yyyy")));
        QCOMPARE(Find<QComboBox>(*window, QStringLiteral("ComboMonth"))->currentText(), today.toString(QStringLiteral("MM")));
        QCOMPARE(Find<QComboBox>(*window, QStringLiteral("ComboDay"))->currentText(), today.toString(QStringLiteral("dd")));
        const QString title = Find<QLabel>(*window, QStringLiteral("LabelTitle"))->text();
        QVERIFY2(title.startsWith(today.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("  ")), qPrintable(title));
        QCOMPARE(Find<QPlainTextEdit>(*window, QStringLiteral("MemoResult"))->toPlainText().split(QLatin1Char('\n')).size(), 17);
        auto* years = Find<QComboBox>(*window, QStringLiteral("ComboYear"));
        QCOMPARE(years->itemText(0), QStringLiteral("1901"));
        QCOMPARE(years->itemText(years->count() - 1), QStringLiteral("2100"));
        QCOMPARE(Find<QPlainTextEdit>(*window, QStringLiteral("MemoGlossary"))->toPlainText().split(QLatin1Char('\n')).size(), 34);
        QPointer<QWidget> watch(window);
        Find<QPushButton>(*window, QStringLiteral("BtnClose"))->click();
        QTRY_VERIFY(watch.isNull());
    }

    void AlmanacLooksUpChosenDays() {
        varnel::ui::TFormHuangdao window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        auto* year = Find<QComboBox>(window, QStringLiteral("ComboYear"));
        auto* month = Find<QComboBox>(window, QStringLiteral("ComboMonth"));
        auto* day = Find<QComboBox>(window, QStringLiteral("ComboDay"));
        auto* reckon = Find<QPushButton>(window, QStringLiteral("BtnReckon"));
        auto* title = Find<QLabel>(window, QStringLiteral("LabelTitle"));
        auto* result = Find<QPlainTextEdit>(window, QStringLiteral("MemoResult"));
        year->setCurrentText(QStringLiteral("2012"));
        month->setCurrentText(QStringLiteral("02"));
        day->setCurrentText(QStringLiteral("29"));
        QCOMPARE(MessageOf([&] { reckon->click(); }), QStringLiteral("<no message>"));
        QCOMPARE(title->text(), U("2012-02-29  壬辰年二月初八"));
        const QStringList lines = result->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines[0], U("岁次:壬辰年 壬寅月 庚申日"));
        QCOMPARE(lines[12], U("宜:拆卸"));
        QVERIFY(lines[16].startsWith(U("忌:嫁娶 ")));

        year->setCurrentText(QStringLiteral("2013"));
        QCOMPARE(MessageOf([&] { reckon->click(); }), U("提示|请选择有效的日期!"));
        QCOMPARE(title->text(), U("2012-02-29  壬辰年二月初八"));
        year->setCurrentText(QStringLiteral("1900"));  // typed by hand, no row: nothing changes
        month->setCurrentText(QStringLiteral("06"));
        day->setCurrentText(QStringLiteral("01"));
        QCOMPARE(MessageOf([&] { reckon->click(); }), QStringLiteral("<no message>"));
        QCOMPARE(title->text(), U("2012-02-29  壬辰年二月初八"));
        QCOMPARE(result->toPlainText().split(QLatin1Char('\n')), lines);
        year->setCurrentText(QString());
        QCOMPARE(MessageOf([&] { reckon->click(); }), U("提示|请选择年!"));
    }

    void OmenWindowShowsItsPage() {
        QPointer<varnel::ui::TFormOnther> window = varnel::ui::OpenOmen(nullptr, "眼跳测吉凶", 4);
        QCOMPARE(window->windowTitle(), U("眼跳测吉凶"));
        QVERIFY(window->isVisible() && !window->isModal());
        QCOMPARE(window->CurrentPage(), 4);
        auto* pages = Find<QStackedWidget>(*window, QStringLiteral("PageControl"));
        auto* text = qobject_cast<QPlainTextEdit*>(pages->currentWidget());
        QVERIFY(text != nullptr && text->isReadOnly());
        QCOMPARE(text->toPlainText().split(QLatin1Char('\n')).first(), U("子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。"));
        QVERIFY(Find<QLabel>(*window, QStringLiteral("LabelNote"))->text().startsWith(U("说明：\n子时为23点-1点")));
        window->close();
        QTRY_VERIFY(window.isNull());
    }

    void LibraryTextWindows() {
        namespace fs = std::filesystem;
        const fs::path dir = fs::temp_directory_path() / "varnel-library-ui";
        fs::remove_all(dir);
        fs::create_directories(dir);
        varnel::testing::WriteFixtureDb(dir / "BrennBirth.dll",
                                        "create table Noter (Cid text, Tite text, content text);"
                                        "insert into Noter values ('b5', ' 孝经 ', ' 身体发肤 ');");
        {
            const varnel::testing::KnowledgeDirOverride knowledge(dir);
            QPointer<varnel::ui::TFrmNote> found = varnel::ui::OpenLibraryText(nullptr, "b5");
            QCOMPARE(found->windowTitle(), U("孝经"));
            QCOMPARE(Find<QPlainTextEdit>(*found, QStringLiteral("Memo1"))->toPlainText(), U("身体发肤"));
            QPointer<varnel::ui::TFrmNote> missing = varnel::ui::OpenLibraryText(nullptr, "b6");
            QCOMPARE(missing->windowTitle(), U("算命"));
            QVERIFY(Find<QPlainTextEdit>(*missing, QStringLiteral("Memo1"))->toPlainText().isEmpty());
            QVERIFY(found->isVisible() && missing->isVisible());
            found->close();
            missing->close();
        }
        {
            const varnel::testing::KnowledgeDirOverride nothing;
            QVERIFY(varnel::ui::OpenLibraryText(nullptr, "b5") == nullptr);
        }
        fs::remove_all(dir);
    }

    void PictureViewerNavigation() {
        namespace fs = std::filesystem;
        const fs::path dir = fs::temp_directory_path() / "varnel-viewer-ui";
        fs::remove_all(dir);
        fs::create_directories(dir);
        const std::string svg =
            "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 480 300\" width=\"480\" height=\"300\">"
            "<rect x=\"10\" y=\"10\" width=\"100\" height=\"50\" fill=\"red\"/></svg>";
        varnel::testing::WriteFixtureDb(dir / "BrennFile.dll",
                                        "create table tuwen (wenid integer, ye integer, tu text, wen text);"
                                        "insert into tuwen values (6, 1, '" + svg + "', '第一页'), (6, 2, '" + svg +
                                            "', '第二页'), (6, 3, '" + svg + "', '第三页');");
        const varnel::testing::KnowledgeDirOverride knowledge(dir);
        QPointer<varnel::ui::TImageInfoLoad> viewer = varnel::ui::OpenPicturePages(nullptr, 6, "十二星座卧室桃花运");
        QCOMPARE(viewer->windowTitle(), U("十二星座卧室桃花运"));
        QCOMPARE(viewer->ArticleNumber(), 6);
        QCOMPARE(viewer->PageCount(), 3);
        QCOMPARE(viewer->CurrentPage(), 1);
        QVERIFY(!Find<QLabel>(*viewer, QStringLiteral("Image1"))->pixmap().isNull());
        QCOMPARE(Find<QPlainTextEdit>(*viewer, QStringLiteral("Memo2"))->toPlainText(), U("第二页"));
        for (int k = 1; k <= 15; ++k) QCOMPARE(Find<QPushButton>(*viewer, QStringLiteral("BtnPage%1").arg(k))->isEnabled(), k <= 3);
        auto frameOf = [&](int k) { return Find<QPushButton>(*viewer, QStringLiteral("BtnPage%1").arg(k))->styleSheet(); };
        QVERIFY(!frameOf(1).contains(QStringLiteral("#FF0000")));  // nothing highlighted before a move

        Find<QPushButton>(*viewer, QStringLiteral("BtnPrevious"))->click();
        QCOMPARE(viewer->CurrentPage(), 1);
        QVERIFY(frameOf(1).contains(QStringLiteral("#FF0000")));
        auto* next = Find<QPushButton>(*viewer, QStringLiteral("BtnNext"));
        for (int i = 0; i < 3; ++i) next->click();
        QCOMPARE(viewer->CurrentPage(), 3);
        QVERIFY(frameOf(3).contains(QStringLiteral("#FF0000")));
        QVERIFY(frameOf(1).contains(QStringLiteral("#003C74")));
        auto* pages = Find<QStackedWidget>(*viewer, QStringLiteral("PageControl"));
        QCOMPARE(pages->currentIndex(), 2);
        Find<QPushButton>(*viewer, QStringLiteral("BtnFirst"))->click();
        QCOMPARE(pages->currentIndex(), 0);
        Find<QPushButton>(*viewer, QStringLiteral("BtnLastArrow"))->click();
        QCOMPARE(viewer->CurrentPage(), 3);
        Find<QPushButton>(*viewer, QStringLiteral("BtnPage2"))->click();
        QCOMPARE(viewer->CurrentPage(), 2);
        QVERIFY(frameOf(2).contains(QStringLiteral("#FF0000")));
        Find<QPushButton>(*viewer, QStringLiteral("BtnClose"))->click();
        QTRY_VERIFY(viewer.isNull());
        fs::remove_all(dir);
    }

    void BoyGirlWindow() {
        varnel::ui::TFrm_NanNv window;
        QCOMPARE(window.windowTitle(), U("生男生女"));
        QCOMPARE(Find<QLabel>(window, QStringLiteral("LabelNote"))->text(),
                 U("说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，下半月以下个月份计算。"));
        const QStringList lines = Find<QPlainTextEdit>(window, QStringLiteral("MemoTable"))->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 29);
        QVERIFY(lines[4].startsWith(U("21     男     女")));
    }

    void EveryArticlePictureIsAValidDrawing() {
        for (const varnel::ArticleItem& item : varnel::ArticleItems()) {
            for (const varnel::ArticlePage& page : varnel::LoadArticlePages(item.number)) {
                QSvgRenderer renderer(QByteArray::fromStdString(page.picture));
                QVERIFY2(renderer.isValid(), qPrintable(QString::fromUtf8(item.caption.data(), static_cast<int>(item.caption.size()))));
            }
        }
    }
};

QTEST_MAIN(DivinationUiTest)
#include "divination_ui_test.moc"

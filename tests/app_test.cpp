#include <QAction>
#include <fstream>
#include <filesystem>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QPrinter>
#include <QGridLayout>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/main_window.hpp"
#include "divination/ui/library_windows.hpp"
#include "text/gbk.hpp"
#include "qt_test_support.hpp"

using varnel::app::TFrmmain;

namespace {

QPushButton* Button(QWidget& parent, const QString& caption) {
    for (QPushButton* b : parent.findChildren<QPushButton*>()) {
        if (b->text() == caption) return b;
    }
    qFatal("no button %s", qPrintable(caption));
}

// Finds a menu item by the path of captions, menu first.
QAction* MenuItem(QMainWindow& window, const QStringList& path) {
    QList<QAction*> actions = window.menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* action : actions) {
            if (action->text() == caption) found = action;
        }
        if (found == nullptr) qFatal("no menu item %s", qPrintable(caption));
        if (found->menu() != nullptr) actions = found->menu()->actions();
    }
    return found;
}

// Types text into a widget as key presses carrying the characters.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Runs `action`, which must open one modal message box; the box is read and closed.
SeenBox ExpectMessageBox(const std::function<void()>& action) {
    SeenBox seen;
    bool closed = false;
    QTimer timer;  // stopped with the scope, so it cannot fire into a later call
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
        closed = true;
    });
    timer.start(0);
    action();
    if (!closed) qWarning("no message box appeared");
    return seen;
}

QStringList ReportLines(TFrmmain& window) {
    QStringList lines;
    for (const auto& line : window.Report().Lines()) lines << QString::fromStdString(line);
    return lines;
}

void FillZhangSan(TFrmmain& window) {
    Find<QLineEdit>(window, "NameA")->setText(U("张"));
    Find<QLineEdit>(window, "NameB")->setText(U("三"));
    Find<QComboBox>(window, "Sday")->setCurrentText(U("5"));
    Find<QComboBox>(window, "Shour")->setCurrentText(U("午 12"));
    Find<QComboBox>(window, "Fengzhong")->setCurrentText(U("30"));
}

}  // namespace

class AppTest : public QObject {
    Q_OBJECT

private slots:
    void StartsWithTheInputPanelReady() {
        TFrmmain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(QApplication::focusWidget(), Find<QLineEdit>(window, "NameA"));
        QCOMPARE(window.windowTitle(), U("Varnel电脑易经算命软件2013"));
        QCOMPARE(window.size(), QSize(800, 600));
        QCOMPARE(Find<QComboBox>(window, "Sex")->currentText(), U("男"));
        QCOMPARE(Find<QComboBox>(window, "Xuxing")->currentText(), U("A型"));
        QCOMPARE(Find<QComboBox>(window, "ComDate")->currentText(), U("生日公历"));
        QCOMPARE(Find<QComboBox>(window, "SYear")->currentText(), U("1980"));
        QCOMPARE(Find<QComboBox>(window, "SYear")->count(), 201);
        QCOMPARE(Find<QComboBox>(window, "SYear")->itemText(200), U("2100"));
        QCOMPARE(Find<QComboBox>(window, "SMonth")->currentText(), U("1"));
        QCOMPARE(Find<QComboBox>(window, "Sday")->currentText(), U("1"));
        QCOMPARE(Find<QComboBox>(window, "Shour")->currentText(), U("子 0"));
        QCOMPARE(Find<QComboBox>(window, "Shour")->itemText(23), U("子 23"));
        QCOMPARE(Find<QComboBox>(window, "Fengzhong")->count(), 60);
        QCOMPARE(Find<QComboBox>(window, "CBFont")->currentText(), U("小五号"));
        QCOMPARE(window.findChild<QTabWidget*>()->tabText(window.findChild<QTabWidget*>()->currentIndex()), U("算命"));

        auto* memo = Find<QPlainTextEdit>(window, "RzMemo1");
        QVERIFY(!memo->isVisible());
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(246, 255, 238));
        QCOMPARE(memo->contextMenuPolicy(), Qt::PreventContextMenu);
        QCOMPARE(memo->font().pointSize(), 9);
    }

    void NameBoxesHoldAtMostFourBytes() {
        TFrmmain window;
        auto* name = Find<QLineEdit>(window, "NameA");
        Type(name, U("欧阳修"));
        QCOMPARE(name->text(), U("欧阳"));
        name->clear();
        Type(name, U("abcde"));
        QCOMPARE(name->text(), U("abcd"));
    }

    void TheSameReportFromBannerTabAndMenu() {
        QStringList reports[3];
        for (int way = 0; way < 3; ++way) {
            TFrmmain window;
            window.show();
            FillZhangSan(window);
            if (way == 0) Button(window, U("八字分析"))->click();
            if (way == 1) Button(*window.findChild<QTabWidget*>(), U("八字详批"))->click();
            if (way == 2) MenuItem(window, {U("算命"), U("八字详批")})->trigger();
            reports[way] = ReportLines(window);
            QVERIFY(Find<QPlainTextEdit>(window, "RzMemo1")->isVisible());
            QCOMPARE(Find<QPlainTextEdit>(window, "RzMemo1")->toPlainText(), reports[way].join(QLatin1Char('\n')));
        }
        QVERIFY(reports[0].size() > 150);
        QVERIFY(reports[0].contains(U("八字：己未   丙子   丁丑   丙午")));
        QCOMPARE(reports[1], reports[0]);
        QCOMPARE(reports[2], reports[0]);
    }

    void NameReadingsFromTheBannerTabAndMenu() {
        TFrmmain window;
        window.show();
        FillZhangSan(window);
        Button(window, U("姓名分析"))->click();
        const QStringList banner = ReportLines(window);
        QVERIFY(banner.contains(U("【评分分析】")));
        QVERIFY(Find<QPlainTextEdit>(window, "RzMemo1")->isVisible());
        Find<QPushButton>(window, "RzBitBtn24")->click();
        QCOMPARE(ReportLines(window), banner);
        window.findChild<QAction*>(QStringLiteral("dxBarButton408"))->trigger();
        QCOMPARE(ReportLines(window), banner);

        // 三才吉凶 reads the name accepted last, not the panel as edited since.
        Find<QLineEdit>(window, "NameB")->setText(U("丰"));
        Find<QPushButton>(window, "RzBitBtn28")->click();
        const QStringList talents = ReportLines(window);
        QCOMPARE(talents.size(), 4);
        QVERIFY(talents[0].startsWith(U("张三,您的三才为")));
        window.findChild<QAction*>(QStringLiteral("dxBarButton7"))->trigger();
        QCOMPARE(ReportLines(window), talents);
    }

    void StarSignReadings() {
        TFrmmain window;
        window.show();
        FillZhangSan(window);
        Button(window, U("星座分析"))->click();
        const QStringList full = ReportLines(window);
        QVERIFY(full.contains(U("【情商解析】:")));
        QVERIFY(full.contains(U("【星座缺陷】:")));
        MenuItem(window, {U("星座"), U("星座运程")})->trigger();
        QCOMPARE(ReportLines(window).size(), 4);
        QCOMPARE(ReportLines(window)[0], U("张三,您的星座为摩羯座,经系统分析如下:"));
        Button(*window.findChild<QTabWidget*>(), U("星座名人"))->click();
        QCOMPARE(ReportLines(window)[0], U("张三,您的星座为摩羯座..."));
        const QStringList famous = ReportLines(window);
        MenuItem(window, {U("星座"), U("本年运程")})->trigger();  // no reading
        QCOMPARE(ReportLines(window), famous);
    }

    void AlmanacWindowsFromMenuTabAndPanel() {
        TFrmmain window;
        window.show();
        MenuItem(window, {U("吉日"), U("黄道吉日")})->trigger();
        Button(*window.findChild<QTabWidget*>(), U("黄道吉日"))->click();
        Button(window, U("本日吉日"))->click();
        QList<QWidget*> almanacs;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QStringLiteral("FormHuangdao") && top->isVisible()) almanacs << top;
        }
        QCOMPARE(almanacs.size(), 3);
        for (QWidget* almanac : almanacs) {
            QVERIFY(!almanac->isModal());
            QVERIFY(!Find<QLabel>(*almanac, "LabelTitle")->text().isEmpty());
            almanac->close();
        }
        MenuItem(window, {U("吉日"), U("开市吉日")})->trigger();  // no reading
        for (QWidget* top : QApplication::topLevelWidgets()) {
            QVERIFY(top->objectName() != QStringLiteral("FormHuangdao") || !top->isVisible());
        }
    }

    void OmensLibraryAndPicturesFromTheMenus() {
        TFrmmain window;
        window.show();
        auto topLevel = [](const QString& name) {
            QList<QWidget*> found;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == name && top->isVisible()) found << top;
            }
            return found;
        };
        MenuItem(window, {U("民俗"), U("眼跳测占卜")})->trigger();
        const auto omens = topLevel(QStringLiteral("FormOnther"));
        QCOMPARE(omens.size(), 1);
        QCOMPARE(omens.front()->windowTitle(), U("眼跳测吉凶"));
        QCOMPARE(qobject_cast<varnel::ui::TFormOnther*>(omens.front())->CurrentPage(), 4);
        omens.front()->close();

        MenuItem(window, {U("起名"), U("姓名原理")})->trigger();
        Button(*window.findChild<QTabWidget*>(), U("姓氏起源"))->click();
        const auto notes = topLevel(QStringLiteral("FrmNote"));
        QCOMPARE(notes.size(), 2);
        const QString first = notes[0]->findChild<QPlainTextEdit*>()->toPlainText();
        QVERIFY(!first.isEmpty());
        QCOMPARE(notes[1]->findChild<QPlainTextEdit*>()->toPlainText(), first);
        QCOMPARE(notes[0]->windowTitle(), notes[1]->windowTitle());
        for (QWidget* note : notes) note->close();

        MenuItem(window, {U("风水"), U("风水与爱情"), U("十二星座卧室桃花运")})->trigger();
        const auto viewers = topLevel(QStringLiteral("ImageInfoLoad"));
        QCOMPARE(viewers.size(), 1);
        QCOMPARE(viewers.front()->windowTitle(), U("十二星座卧室桃花运"));
        QCOMPARE(qobject_cast<varnel::ui::TImageInfoLoad*>(viewers.front())->ArticleNumber(), 6);
        viewers.front()->close();
    }

    void NameWindowsOpenWithoutBlocking() {
        TFrmmain window;
        window.show();
        FillZhangSan(window);
        Find<QPushButton>(window, "RzBitBtn25")->click();
        window.findChild<QAction*>(QStringLiteral("dxBarButton74"))->trigger();
        int suggestionWindows = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QStringLiteral("FrmChangeName") && top->isVisible()) ++suggestionWindows;
        }
        QCOMPARE(suggestionWindows, 2);
        window.findChild<QAction*>(QStringLiteral("dxBarButton289"))->trigger();
        bool origins = false;
        for (QWidget* top : QApplication::topLevelWidgets()) origins |= top->objectName() == QStringLiteral("FrmNameCome");
        QVERIFY(origins);

        Find<QLineEdit>(window, "NameB")->clear();
        const SeenBox box = ExpectMessageBox([&] { Find<QPushButton>(window, "RzBitBtn25")->click(); });
        QCOMPARE(box.text, U("名不能为空!"));
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName().startsWith(QStringLiteral("Frm")) && top != &window) top->close();
        }
    }

    void ModalReadingWindows() {
        TFrmmain window;
        window.show();
        const std::pair<const char*, QStringList> openings[] = {
            {"网名与性格", {U("算命"), U("网名分析")}},
            {"手机号码测算", {U("工具"), U("手机号码分析")}},
            {"QQ号码测试", {U("工具"), U("QQ号码分析")}},
            {"任意号码分析", {U("工具"), U("更多数字分析")}},
            {"QQ号码缘分配对", {U("配对"), U("QQ缘分配对")}},
        };
        for (const auto& [caption, path] : openings) {
            QString seen;
            QTimer::singleShot(0, [&] {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    seen = modal->windowTitle();
                    modal->close();
                }
            });
            if (path[0] == U("算命")) {
                Button(*window.findChild<QTabWidget*>(), path[1])->click();
            } else {
                MenuItem(window, path)->trigger();
            }
            QCOMPARE(seen, U(caption));
        }
    }

    void HelpMenuLinks() {
        TFrmmain window;
        window.show();
        QList<QUrl> opened;
        window.SetUrlOpener([&](const QUrl& url) { opened << url; });
        MenuItem(window, {U("帮助"), U("给我们发邮件")})->trigger();
        MenuItem(window, {U("帮助"), U("公司主页")})->trigger();
        Button(window, U("QQ服务(&Q)"))->click();
        MenuItem(window, {U("帮助"), U("帮助主题")})->trigger();
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Banner")), Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(opened.size(), 5);
        QCOMPARE(opened[0].toString(), QStringLiteral("mailto:support@varnel.example.com"));
        QCOMPARE(opened[1].toString(), QStringLiteral("https://www.varnel.example.com/"));
        QCOMPARE(opened[2].path(), QStringLiteral("/msgrd"));
        QCOMPARE(opened[2].query(), QStringLiteral("V=1&Uin=800012345&Site=varnel&Menu=yes"));
        QVERIFY(opened[3].isLocalFile());
        QVERIFY(opened[3].toLocalFile().endsWith(QStringLiteral("/help/index.html")));
        QVERIFY(QFileInfo::exists(opened[3].toLocalFile()));
        QCOMPARE(opened[4].toString(), QStringLiteral("https://www.varnel.example.com/news/"));

        const SeenBox box = ExpectMessageBox([&] { MenuItem(window, {U("帮助"), U("软件升级")})->trigger(); });
        QCOMPARE(box.text, U("感谢你的使用,软件是最新版无需升级!"));
        QCOMPARE(box.title, U("提示"));
    }

    void SupportAndAboutWindowsAreKeptOnce() {
        TFrmmain window;
        window.show();
        for (int opening = 0; opening < 2; ++opening) {
            for (const char* item : {"关于系统", "客户服务"}) {
                QString seen;
                QTimer::singleShot(0, [&] {
                    if (QWidget* modal = QApplication::activeModalWidget()) {
                        seen = modal->windowTitle();
                        modal->close();
                    }
                });
                MenuItem(window, {U("帮助"), U(item)})->trigger();
                QCOMPARE(seen, U(item));
            }
        }
        QCOMPARE(window.findChildren<QDialog*>(QStringLiteral("FrmAbout")).size(), 1);
        QCOMPARE(window.findChildren<QDialog*>(QStringLiteral("FrmSupport")).size(), 1);
        QString seen;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen = modal->windowTitle();
                modal->close();
            }
        });
        Button(window, U("客户服务(&S)"))->click();
        QCOMPARE(seen, U("客户服务"));
    }

    void BirthInformationLeavesTheAreaHiddenUntilAReadingShowsIt() {
        TFrmmain window;
        window.show();
        FillZhangSan(window);
        Button(*window.findChild<QTabWidget*>(), U("生辰信息"))->click();
        QVERIFY(ReportLines(window).size() > 60);
        QVERIFY(!Find<QPlainTextEdit>(window, "RzMemo1")->isVisible());
        Button(window, U("八字分析"))->click();
        QVERIFY(Find<QPlainTextEdit>(window, "RzMemo1")->isVisible());
    }

    void SaveOpenAndPrintTheReport() {
        namespace fs = std::filesystem;
        const fs::path dir = fs::temp_directory_path() / ("varnel-save-" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        TFrmmain window;
        window.show();
        FillZhangSan(window);
        Button(window, U("八字分析"))->click();
        const QStringList report = ReportLines(window);
        QVERIFY(report.size() > 100);

        int asked = 0;
        TFrmmain::SaveChoice next{QString::fromStdString((dir / "gbk.txt").string()), false};
        window.SetSaveDialog([&] {
            ++asked;
            return next;
        });
        MenuItem(window, {U("系统"), U("保存测算")})->trigger();
        QCOMPARE(asked, 1);
        std::ifstream gbk(dir / "gbk.txt", std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(gbk)), std::istreambuf_iterator<char>());
        QVERIFY(bytes.starts_with(varnel::ToGbk("姓名：张三")));
        window.LoadRecord(QString::fromStdString((dir / "gbk.txt").string()));
        QCOMPARE(ReportLines(window), report);

        Button(window, U("保存(&S).."))->click();  // the same file again, without asking
        QCOMPARE(asked, 1);
        next = {QString::fromStdString((dir / "utf8.txt").string()), true};
        MenuItem(window, {U("系统"), U("另存测算")})->trigger();
        QCOMPARE(asked, 2);
        std::ifstream utf8(dir / "utf8.txt", std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(utf8)), std::istreambuf_iterator<char>());
        QVERIFY(text.starts_with("姓名：张三"));
        window.LoadRecord(QString::fromStdString((dir / "utf8.txt").string()));
        QCOMPARE(ReportLines(window), report);
        next = {};
        MenuItem(window, {U("系统"), U("另存测算")})->trigger();  // cancelled: nothing written
        QCOMPARE(asked, 3);

        const QString pdf = QString::fromStdString((dir / "report.pdf").string());
        int printed = 0;
        window.SetPrintDialog([&](QPrinter& printer) {
            ++printed;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        MenuItem(window, {U("系统"), U("打印结果")})->trigger();
        QCOMPARE(printed, 1);
        QVERIFY(fs::file_size(dir / "report.pdf") > 1000);
        window.SetPrintDialog([&](QPrinter&) { return ++printed, false; });
        fs::remove(dir / "report.pdf");
        Button(window, U("打印(&P).."))->click();
        QCOMPARE(printed, 2);
        QVERIFY(!fs::exists(dir / "report.pdf"));
        fs::remove_all(dir);
    }

    void ChartOptionsOnTheInputPanel() {
        TFrmmain window;
        window.show();
        auto* place = Find<QComboBox>(window, "Birthplace");
        QVERIFY(place->count() >= 350);
        QVERIFY(!Find<QCheckBox>(window, "TrueSolarTime")->isChecked());
        QVERIFY(!Find<QCheckBox>(window, "LateZiNextDay")->isChecked());
        FillZhangSan(window);
        Button(window, U("八字分析"))->click();
        const QStringList clock = ReportLines(window);
        place->setCurrentText(U("上海（上海）"));
        Find<QCheckBox>(window, "TrueSolarTime")->setChecked(true);
        Find<QCheckBox>(window, "LateZiNextDay")->setChecked(true);
        const varnel::BirthPanel panel = window.Panel();
        QCOMPARE(QString::fromStdString(panel.birthplace), U("上海（上海）"));
        QVERIFY(panel.trueSolarTime && panel.lateZiNextDay);
        Button(window, U("八字分析"))->click();
        const QStringList solar = ReportLines(window);
        QVERIFY(solar[2].startsWith(clock[2] + U("  真太阳时（上海）：1980年01月05日")));
        place->setCurrentText(QString());
        const SeenBox box = ExpectMessageBox([&] { Button(window, U("八字分析"))->click(); });
        QCOMPARE(box.text, U("请选择出生地!"));
    }

    void ItemsWithoutAReadingChangeNothing() {
        TFrmmain window;
        window.show();
        FillZhangSan(window);
        Button(window, U("八字分析"))->click();
        const QStringList before = ReportLines(window);
        MenuItem(window, {U("算命"), U("性格总论")})->trigger();
        MenuItem(window, {U("手相"), U("手相分布线"), U("成功线")})->trigger();
        Button(*window.findChild<QTabWidget*>(), U("四柱八字"))->click();
        QCOMPARE(ReportLines(window), before);
        QCOMPARE(Find<QLineEdit>(window, "NameA")->text(), U("张"));
        QCOMPARE(Find<QComboBox>(window, "Sday")->currentText(), U("5"));
    }

    void EveryNoticeOfTheInputIsTheMessageBox() {
        const std::pair<const char*, const char*> fields[] = {
            {"NameA", "姓不能为空!"}, {"NameB", "名不能为空!"}, {"Xuxing", "血型不能为空!"},
            {"SYear", "请选择出生年!"}, {"SMonth", "请选择出生月!"}, {"Sday", "请选择出生日!"},
            {"Shour", "请选择出生小时!"}};
        for (const auto& [field, notice] : fields) {
            TFrmmain window;
            window.show();
            FillZhangSan(window);
            if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(field))) {
                edit->clear();
            } else {
                Find<QComboBox>(window, field)->setCurrentText(QString());
            }
            const SeenBox box = ExpectMessageBox([&] { Button(window, U("八字分析"))->click(); });
            QCOMPARE(box.title, U("提示"));
            QCOMPARE(box.text, U(notice));
            QCOMPARE(box.icon, QMessageBox::Information);
            QCOMPARE(box.buttons, 1);
            QVERIFY(ReportLines(window).isEmpty());
        }
    }

    void AConversionErrorIsTheErrorBox() {
        TFrmmain window;
        window.show();
        FillZhangSan(window);
        Find<QComboBox>(window, "SMonth")->setCurrentText(U("2"));
        Find<QComboBox>(window, "Sday")->setCurrentText(U("30"));
        const SeenBox box = ExpectMessageBox([&] { Button(window, U("八字分析"))->click(); });
        QCOMPARE(box.text, U("'1980-2-30' is not a valid date"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY(ReportLines(window).isEmpty());
    }

    void FontSizeList() {
        TFrmmain window;
        auto* list = Find<QComboBox>(window, "CBFont");
        QStringList captions;
        for (int i = 0; i < list->count(); ++i) captions << list->itemText(i);
        QCOMPARE(captions, (QStringList{U("三号"), U("小三号"), U("四号"), U("小四号"), U("五号"), U("小五号")}));
        list->setCurrentText(U("五号"));
        QCOMPARE(Find<QPlainTextEdit>(window, "RzMemo1")->font().pointSize(), 11);
        list->setCurrentText(U("三号"));
        QCOMPARE(Find<QPlainTextEdit>(window, "RzMemo1")->font().pointSize(), 16);
    }

    void PrintsTheReportWithItsPageSettings() {
        TFrmmain window;
        FillZhangSan(window);
        Button(window, U("八字分析"))->click();
        QPrinter& printer = window.Printer().Printer();
        const QPageLayout layout = printer.pageLayout();
        QCOMPARE(layout.pageSize().id(), QPageSize::Letter);
        const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
        QCOMPARE(margins.left(), 12.7);
        QCOMPARE(margins.right(), 12.7);
        QCOMPARE(margins.top(), 12.7 + 6.35);
        QCOMPARE(margins.bottom(), 12.7 + 6.35);

        Find<QComboBox>(window, "CBFont")->setCurrentText(U("四号"));
        QCOMPARE(window.Printer().Font().pointSize(), 14);

        QTemporaryDir dir;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
        pdf.setPageLayout(layout);
        window.Printer().Print(&pdf);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("report.pdf"))).size() > 10000);
    }

    void OpenRecordLoadsGbkAndUtf8Files() {
        QTemporaryDir dir;
        const QString gbk = dir.filePath(QStringLiteral("gbk.txt"));
        const QString utf8 = dir.filePath(QStringLiteral("utf8.txt"));
        {
            QFile file(gbk);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromStdString(varnel::ToGbk("八字：己未   丙子\r\n\r\n血型论命:\r\n")));
        }
        {
            QFile file(utf8);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(U("第一行\n第二行").toUtf8());
        }
        TFrmmain window;
        window.LoadRecord(gbk);
        QCOMPARE(ReportLines(window), (QStringList{U("八字：己未   丙子"), QString(), U("血型论命:")}));
        QVERIFY(!Find<QPlainTextEdit>(window, "RzMemo1")->isVisible());
        window.LoadRecord(utf8);
        QCOMPARE(ReportLines(window), (QStringList{U("第一行"), U("第二行")}));
        window.LoadRecord(dir.filePath(QStringLiteral("missing.txt")));
        QVERIFY(ReportLines(window).isEmpty());
    }

    void NewReadingClearsTheReportAndTheNameBoxesOnly() {
        TFrmmain window;
        window.show();
        FillZhangSan(window);
        Button(window, U("八字分析"))->click();
        MenuItem(window, {U("系统"), U("新建测算")})->trigger();
        QVERIFY(ReportLines(window).isEmpty());
        QVERIFY(Find<QLineEdit>(window, "NameA")->text().isEmpty());
        QVERIFY(Find<QLineEdit>(window, "NameB")->text().isEmpty());
        QCOMPARE(Find<QComboBox>(window, "Sday")->currentText(), U("5"));
        QCOMPARE(Find<QComboBox>(window, "Shour")->currentText(), U("午 12"));
        QCOMPARE(QString::fromStdString(window.Input().surname), U("张"));
    }

    // The menu bar and the tab pages against the list of every caption, separator and submenu.
    void MenusAndTabPagesAreComplete() {
        QFile file(QStringLiteral(VARNEL_FIXTURES "/main-window-controls.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        while (!expected.isEmpty() && expected.back().isEmpty()) expected.removeLast();

        TFrmmain window;
        QStringList actual;
        std::function<void(const QList<QAction*>&, int)> walk = [&](const QList<QAction*>& actions, int depth) {
            const QString indent(2 * depth, QLatin1Char(' '));
            for (QAction* action : actions) {
                if (action->isSeparator()) {
                    actual << indent + QStringLiteral("---");
                } else if (action->menu() != nullptr) {
                    actual << indent + QStringLiteral("submenu ") + action->text();
                    walk(action->menu()->actions(), depth + 1);
                } else {
                    actual << indent + QStringLiteral("item ") + action->text();
                    QVERIFY(action->isEnabled());
                    QVERIFY(action->isVisible());
                }
            }
        };
        for (QAction* menu : window.menuBar()->actions()) {
            actual << QStringLiteral("menu ") + menu->text();
            walk(menu->menu()->actions(), 1);
        }
        auto* tabs = window.findChild<QTabWidget*>();
        for (int page = 0; page < tabs->count(); ++page) {
            auto* grid = qobject_cast<QGridLayout*>(tabs->widget(page)->layout());
            QVERIFY(grid != nullptr);
            actual << QStringLiteral("tab %1 %2").arg(tabs->tabText(page)).arg(grid->columnCount());
            for (int row = 0; row < grid->rowCount(); ++row) {
                for (int column = 0; column < grid->columnCount(); ++column) {
                    QLayoutItem* item = grid->itemAtPosition(row, column);
                    if (auto* b = item ? qobject_cast<QPushButton*>(item->widget()) : nullptr) {
                        actual << QStringLiteral("  button ") + b->text();
                    }
                }
            }
        }
        for (int i = 0; i < std::min(actual.size(), expected.size()); ++i) {
            QCOMPARE(actual[i], expected[i]);
        }
        QCOMPARE(actual.size(), expected.size());
        QCOMPARE(window.menuBar()->actions().size(), 14);
    }

    void ControlNamesOfTheCommands() {
        TFrmmain window;
        for (const char* name : {"RzBitBtn24", "RzBitBtn25", "RzBitBtn28", "RzBitBtn87", "RzBitBtn88", "RzBitBtn89"}) {
            QVERIFY2(window.findChild<QPushButton*>(QString::fromLatin1(name)) != nullptr, name);
        }
        for (const char* name : {"dxBarButton408", "dxBarButton74", "dxBarButton7", "dxBarButton19", "dxBarButton280",
                                 "dxBarButton22", "dxBarButton23", "dxBarButton289"}) {
            QVERIFY2(window.findChild<QAction*>(QString::fromLatin1(name)) != nullptr, name);
        }
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("dxBarButton408"))->text(), U("姓名详批"));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("RzBitBtn89"))->text(), U("数字分析"));
    }
};

QTEST_MAIN(AppTest)
#include "app_test.moc"

#include "app/main_window.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QUrlQuery>
#include <QCheckBox>
#include <QPrintDialog>
#include <QSaveFile>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <vector>

#include "app/command_table.hpp"
#include "app/contacts.hpp"
#include "app/help_windows.hpp"
#include "store/paths.hpp"
#include "app/svg_picture.hpp"
#include "names/name_report.hpp"
#include "names/ui/change_name_window.hpp"
#include "names/ui/name_come_window.hpp"
#include "names/three_talents.hpp"
#include "calendar/ui/calendar_window.hpp"
#include "divination/ui/almanac_window.hpp"
#include "divination/ui/library_windows.hpp"
#include "divination/omens.hpp"
#include "divination/picture_pages.hpp"
#include "chart/places.hpp"
#include "store/failure.hpp"
#include "divination/ui/qigua_window.hpp"
#include "divination/ui/zhuge_windows.hpp"
#include "divination/zhuge.hpp"
#include "numbers/ui/number_windows.hpp"
#include "readings/star_readings.hpp"
#include "readings/ui/net_name_window.hpp"
#include "reports/birth_reports.hpp"
#include "text/date_serial.hpp"
#include "text/gbk.hpp"
#include "text/record_text.hpp"
#include "ui/widgets.hpp"

// The pictures are compiled into this static library; register them before first use.
static void InitPictureResources() { Q_INIT_RESOURCE(resources); }

namespace varnel::app {

namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr int kBannerHeight = 84;
constexpr int kTabWidth = 191;
constexpr int kBottomBarHeight = 30;

struct FontSize {
    const char* caption;
    int points;
};
constexpr std::array<FontSize, 6> kFontSizes = {
    {{"三号", 16}, {"小三号", 15}, {"四号", 14}, {"小四号", 12}, {"五号", 11}, {"小五号", 9}}};
constexpr int kInitialFontItem = 5;

QString Text(std::string_view utf8) { return ui::ToQString(utf8); }

std::string ToUtf8(const QString& text) { return text.toStdString(); }

template <typename Items>
QComboBox* MakeList(QWidget* parent, const char* objectName, const Items& items, const QString& initial,
                    int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setEditable(true);
    for (const auto& item : items) box->addItem(Text(item));
    box->setCurrentText(initial);
    box->setFixedWidth(width);
    return box;
}

QLabel* MakeLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

}  // namespace

int FontSizeOfItem(int index) {
    if (index < 0 || index >= static_cast<int>(kFontSizes.size())) return 9;
    return kFontSizes[static_cast<std::size_t>(index)].points;
}

TFrmmain::TFrmmain(QWidget* parent) : QMainWindow(parent), notifier_(this), errors_(this) {
    InitPictureResources();
    setObjectName(QStringLiteral("Frmmain"));
    setWindowTitle(QStringLiteral("Varnel电脑易经算命软件2013"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kWindowWidth, kWindowHeight);
    setFont(SongFont(9));

    BuildMenuBar();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildBanner());
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(2);
    middle->addWidget(BuildTabs());
    middle->addWidget(BuildReportColumn(), 1);
    layout->addLayout(middle, 1);
    setCentralWidget(central);

    auto* welcome = new QLabel(
        QStringLiteral("欢迎使用Varnel电脑易经算命软件：请在上方填好姓名、性别、血型和出生时间，再选择测算项目。"),
        this);
    welcome->setStyleSheet(QStringLiteral("color: navy;"));
    statusBar()->addWidget(welcome, 1);
    statusBar()->setSizeGripEnabled(false);

    openUrl_ = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    RegisterCommands();
}

void TFrmmain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        nameA_->setFocus(Qt::OtherFocusReason);
    }
}

void TFrmmain::BuildMenuBar() {
    QMenuBar* bar = menuBar();
    std::vector<QMenu*> open;
    for (const MenuEntry& entry : MenuBarEntries()) {
        switch (entry.kind) {
            case EntryKind::Menu:
                open.assign(1, bar->addMenu(Text(entry.caption)));
                break;
            case EntryKind::Submenu:
                open.push_back(open.back()->addMenu(Text(entry.caption)));
                break;
            case EntryKind::EndSubmenu:
                open.pop_back();
                break;
            case EntryKind::Separator:
                open.back()->addSeparator();
                break;
            case EntryKind::Item: {
                QAction* action = open.back()->addAction(Text(entry.caption));
                if (!entry.objectName.empty()) action->setObjectName(Text(entry.objectName));
                const std::string command(entry.command);
                connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
                break;
            }
        }
    }
}

QWidget* TFrmmain::BuildBanner() {
    auto* banner = new SvgPicture(QStringLiteral(":/varnel/banner.svg"), this);
    banner->setObjectName(QStringLiteral("Banner"));
    banner->setFixedHeight(kBannerHeight);
    connect(banner, &SvgPicture::clicked, this, [this] { RunCommand("banner-link"); });

    auto* layout = new QVBoxLayout(banner);
    layout->setContentsMargins(4, 3, 6, 3);
    layout->setSpacing(2);
    layout->addWidget(BuildInputPanel(), 0, Qt::AlignRight);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch(1);
    QFont bold = font();
    bold.setBold(true);
    for (const CommandButton& button : BannerButtons()) {
        auto* b = new QPushButton(Text(button.caption), banner);
        b->setFont(bold);
        b->setFixedHeight(24);
        const std::string command(button.command);
        connect(b, &QPushButton::clicked, this, [this, command] { RunCommand(command); });
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    return banner;
}

QWidget* TFrmmain::BuildInputPanel() {
    auto* panel = new QWidget(this);
    panel->setAttribute(Qt::WA_TranslucentBackground);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);

    nameA_ = ui::MakeNameBox("NameA", panel);
    nameB_ = ui::MakeNameBox("NameB", panel);
    nameA_->setFixedWidth(44);
    nameB_->setFixedWidth(44);
    sex_ = MakeList(panel, "Sex", SexItems, QStringLiteral("男"), 48);
    bloodType_ = MakeList(panel, "Xuxing", BloodTypeItems, QStringLiteral("A型"), 58);
    calendar_ = MakeList(panel, "ComDate", CalendarItems, QStringLiteral("生日公历"), 82);
    year_ = MakeList(panel, "SYear", YearItems(), QStringLiteral("1980"), 60);
    month_ = MakeList(panel, "SMonth", MonthItems(), QStringLiteral("1"), 44);
    day_ = MakeList(panel, "Sday", DayItems(), QStringLiteral("1"), 44);
    hour_ = MakeList(panel, "Shour", HourItems, QStringLiteral("子 0"), 58);
    minute_ = MakeList(panel, "Fengzhong", MinuteItems(), QStringLiteral("0"), 44);

    auto row = [&](std::initializer_list<std::pair<const char*, QWidget*>> cells) {
        auto* line = new QHBoxLayout;
        line->setSpacing(3);
        line->addStretch(1);
        for (const auto& [label, control] : cells) {
            if (label != nullptr) line->addWidget(MakeLabel(label, panel));
            if (control != nullptr) line->addWidget(control);
        }
        rows->addLayout(line);
    };
    row({{"请输入基本信息：", nullptr}, {"姓", nameA_}, {"名", nameB_}, {"姓别", sex_}, {"血型", bloodType_}});
    row({{nullptr, calendar_}, {"年", year_}, {"月", month_}, {"日", day_}, {"时", hour_}, {"分", minute_}});

    // Opt-in chart choices: the birthplace's true solar time and the late 子 hour.
    birthplace_ = new QComboBox(panel);
    birthplace_->setObjectName(QStringLiteral("Birthplace"));
    birthplace_->setEditable(true);
    birthplace_->setInsertPolicy(QComboBox::NoInsert);
    birthplace_->setMaxVisibleItems(20);
    birthplace_->setFixedWidth(150);
    try {
        for (const std::string& item : PlaceListItems()) birthplace_->addItem(Text(item));
    } catch (const StoreError&) {
        // Without the place table the box stays empty; 真太阳时 then reports the missing place.
    }
    birthplace_->setCurrentIndex(-1);
    birthplace_->completer()->setFilterMode(Qt::MatchContains);
    birthplace_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    trueSolarTime_ = new QCheckBox(QStringLiteral("真太阳时"), panel);
    trueSolarTime_->setObjectName(QStringLiteral("TrueSolarTime"));
    lateZi_ = new QCheckBox(QStringLiteral("晚子时换日"), panel);
    lateZi_->setObjectName(QStringLiteral("LateZiNextDay"));
    row({{"出生地", birthplace_}, {nullptr, trueSolarTime_}, {nullptr, lateZi_}});
    return panel;
}

QWidget* TFrmmain::BuildTabs() {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("CommandTabs"));
    tabs->setFixedWidth(kTabWidth);
    // Narrow tabs, so that the four pages fit the column side by side.
    tabs->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 8px; }"));
    for (const TabPage& page : TabPages()) {
        auto* widget = new QWidget(tabs);
        auto* grid = new QGridLayout(widget);
        grid->setContentsMargins(2, 2, 2, 2);
        grid->setSpacing(2);
        int index = 0;
        for (const CommandButton& button : page.buttons) {
            auto* b = new QPushButton(Text(button.caption), widget);
            if (!button.objectName.empty()) b->setObjectName(Text(button.objectName));
            b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            const std::string command(button.command);
            connect(b, &QPushButton::clicked, this, [this, command] { RunCommand(command); });
            grid->addWidget(b, index / page.columns, index % page.columns);
            ++index;
        }
        grid->setRowStretch(index / page.columns + 1, 1);
        tabs->addTab(widget, Text(page.title));
    }
    tabs->setCurrentIndex(0);
    return tabs;
}

QWidget* TFrmmain::BuildReportColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    report_ = std::make_unique<ReportArea>(column);
    printer_ = std::make_unique<ReportPrinter>(report_->view());
    layout->addWidget(report_->widget(), 1);

    auto* bar = new QWidget(column);
    bar->setFixedHeight(kBottomBarHeight);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    row->addWidget(new QLabel(QStringLiteral("字体大小："), bar));
    fontSize_ = new QComboBox(bar);
    fontSize_->setObjectName(QStringLiteral("CBFont"));
    for (const FontSize& size : kFontSizes) fontSize_->addItem(QString::fromUtf8(size.caption));
    fontSize_->setCurrentIndex(kInitialFontItem);
    connect(fontSize_, &QComboBox::currentIndexChanged, this, &TFrmmain::SetReportFontSize);
    row->addWidget(fontSize_);
    row->addStretch(1);
    for (const CommandButton& button : BottomBarButtons()) {
        auto* b = new QPushButton(Text(button.caption), bar);
        const std::string command(button.command);
        connect(b, &QPushButton::clicked, this, [this, command] { RunCommand(command); });
        row->addWidget(b);
    }
    layout->addWidget(bar);
    return column;
}

void TFrmmain::Bind(std::string name, std::function<void()> command) {
    commands_.emplace(std::move(name), std::move(command));
}

void TFrmmain::RegisterCommands() {
    auto birthReport = [this](auto action) {
        return [this, action] {
            const BirthPanel panel = Panel();
            BirthReportContext context{panel, input_, chart_, *report_, notifier_, CurrentYear()};
            action(context);
        };
    };
    Bind("bazi", birthReport([](BirthReportContext& c) { DetailedReportAction(c); }));
    Bind("birthinfo",
         birthReport([](BirthReportContext& c) { BirthInformationAction(c, BirthInformationKind::Plain); }));
    Bind("chenggu",
         birthReport([](BirthReportContext& c) { BirthInformationAction(c, BirthInformationKind::BoneWeight); }));
    Bind("blood",
         birthReport([](BirthReportContext& c) { BirthInformationAction(c, BirthInformationKind::BloodType); }));
    Bind("name-report", [this] { NameReport(Panel(), input_, *report_, notifier_, CurrentYear()); });
    Bind("sancai", [this] { ThreeTalentsAction(input_, *report_); });
    Bind("name-suggest", [this] {
        if (!AcceptNames(Panel(), input_, notifier_)) return;
        (new ui::TFrmChangeName(input_.surname, this))->show();
    });
    Bind("surname-origin", [this] { (new ui::TFrmNameCome(this))->show(); });
    Bind("star-report", [this] { StarSignReport(Panel(), input_, *report_, notifier_, CurrentYear()); });
    Bind("star-intelligence", [this] { StarIntelligenceReading(input_, *report_); });
    for (const StarTopic& topic : StarTopics) {
        const std::string table(topic.table);
        Bind("star-topic:" + table, [this, table] { StarTopicReading(input_, table, *report_); });
    }
    Bind("netname", [this] { ui::TFrmWangming(this).exec(); });
    Bind("phone", [this] { ui::TFrm_SJcs(this).exec(); });
    Bind("calendar", [this] { (new ui::DateWin(this))->exec(); });
    Bind("almanac", [this] { (new ui::TFormHuangdao(this))->show(); });
    for (int page = 0; page < kOmenPages; ++page) {
        Bind("omen:" + std::to_string(page), [this, page] { ui::OpenOmen(this, OmenCaption(page), page); });
    }
    for (const char* key : {"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "b1", "b2", "b3", "b4", "b5", "b6",
                            "b7", "b8", "b9", "b10", "b11", "b12", "b13", "c1", "c2"}) {
        Bind(std::string("library:") + key, [this, key] { ui::OpenLibraryText(this, key); });
    }
    for (const ArticleItem& item : ArticleItems()) {
        Bind("picture:" + std::string(item.caption), [this, item] { ui::OpenPicturePages(this, item.number, item.caption); });
    }
    Bind("boy-girl", [this] { ui::TFrm_NanNv(this).exec(); });
    Bind("hexagram", [this] { ui::TFrmQigua(this).exec(); });
    Bind("character-test", [this] {
        ui::TFrmcezhi dialog(this);
        const std::string characters = dialog.exec() == QDialog::Accepted ? dialog.Characters() : std::string();
        CharacterTestReport(characters, *report_);
    });
    Bind("fingerprint", [this] { ui::TFrmzhiwen(this).exec(); });
    Bind("qq-number", [this] { ui::TFrmQQhm(this).exec(); });
    Bind("other-number", [this] { ui::TFrm_onther(this).exec(); });
    Bind("qq-pair", [this] { ui::TFormQQpeidui(this).exec(); });
    Bind("support", [this] {
        support_ = std::make_unique<TFrmSupport>(this);  // the window of the previous opening goes
        support_->exec();
    });
    Bind("about", [this] {
        about_ = std::make_unique<TFrmAbout>(this);
        about_->exec();
    });
    Bind("mail", [this] { openUrl_(QUrl(QStringLiteral("mailto:") + ui::ToQString(kSupportMail))); });
    Bind("homepage", [this] { openUrl_(QUrl(ui::ToQString(kHomePage))); });
    Bind("banner-link", [this] { openUrl_(QUrl(ui::ToQString(kBannerPage))); });
    Bind("qq-service", [this] {
        QUrl chat(ui::ToQString(kChatHost) + QStringLiteral("/msgrd"));
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("V"), QStringLiteral("1"));
        query.addQueryItem(QStringLiteral("Uin"), ui::ToQString(kChatAccount));
        query.addQueryItem(QStringLiteral("Site"), ui::ToQString(kChatSite));
        query.addQueryItem(QStringLiteral("Menu"), QStringLiteral("yes"));
        chat.setQuery(query);
        openUrl_(chat);
    });
    Bind("help-topics", [this] {
        openUrl_(QUrl::fromLocalFile(QString::fromStdString((KnowledgeDir() / std::string(kHelpFile)).string())));
    });
    Bind("upgrade", [this] { notifier_.ShowNotice("感谢你的使用,软件是最新版无需升级!"); });
    Bind("new-reading", [this] { NewReading(); });
    Bind("open-record", [this] { OpenRecord(); });
    Bind("save", [this] { SaveReport(false); });
    Bind("save-as", [this] { SaveReport(true); });
    Bind("print", [this] { PrintReport(); });
    Bind("page-setup", [this] { printer_->PageSetup(this); });
    Bind("exit", [] { QApplication::quit(); });
}

void TFrmmain::RunCommand(std::string_view name) {
    const auto command = commands_.find(name);
    if (command == commands_.end()) return;
    varnel::RunCommand(command->second, errors_);
}

BirthPanel TFrmmain::Panel() const {
    BirthPanel panel;
    panel.surname = ToUtf8(nameA_->text());
    panel.givenName = ToUtf8(nameB_->text());
    panel.sex = ToUtf8(sex_->currentText());
    panel.bloodType = ToUtf8(bloodType_->currentText());
    panel.calendarIndex = calendar_->findText(calendar_->currentText());
    panel.year = ToUtf8(year_->currentText());
    panel.month = ToUtf8(month_->currentText());
    panel.day = ToUtf8(day_->currentText());
    panel.hour = ToUtf8(hour_->currentText());
    panel.minute = ToUtf8(minute_->currentText());
    panel.birthplace = ToUtf8(birthplace_->currentText());
    panel.trueSolarTime = trueSolarTime_->isChecked();
    panel.lateZiNextDay = lateZi_->isChecked();
    return panel;
}

void TFrmmain::NewReading() {
    report_->Clear();
    nameA_->clear();
    nameB_->clear();
    nameA_->setFocus(Qt::OtherFocusReason);
}

void TFrmmain::OpenRecord() {
    const QString path = QFileDialog::getOpenFileName(this);
    if (!path.isEmpty()) LoadRecord(path);
}

void TFrmmain::SaveReport(bool askName) {
    SaveChoice choice = lastSave_;
    if (askName || choice.path.isEmpty()) {
        if (askSave_) {
            choice = askSave_();
        } else {
            QFileDialog dialog(this, QStringLiteral("保存测算"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(QStringLiteral("txt"));
            const QString gbk = QStringLiteral("文本文件 GBK (*.txt)");
            dialog.setNameFilters({gbk, QStringLiteral("文本文件 UTF-8 (*.txt)")});
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
            choice = {dialog.selectedFiles().front(), dialog.selectedNameFilter() != gbk};
        }
    }
    if (choice.path.isEmpty()) return;
    const QStringList lines = report_->view()->toPlainText().split(QLatin1Char('\n'));
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += choice.utf8 ? line.toUtf8() : QByteArray::fromStdString(ToGbk(line.toStdString()));
        bytes += "\r\n";
    }
    QSaveFile file(choice.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        errors_.ShowError("无法保存文件：" + choice.path.toStdString());
        return;
    }
    lastSave_ = choice;
}

void TFrmmain::PrintReport() {
    QPrinter& printer = printer_->Printer();
    if (askPrint_) {
        if (!askPrint_(printer)) return;
    } else {
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    printer_->Print(&printer);
}

void TFrmmain::LoadRecord(const QString& path) {
    QFile file(path);
    report_->Clear();
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return;
    for (const std::string& line : DecodeRecordText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        report_->AddLine(line);
    }
}

void TFrmmain::SetReportFontSize(int index) {
    QFont font = report_->view()->font();
    font.setPointSize(FontSizeOfItem(index));
    report_->view()->setFont(font);
    printer_->SetFont(font);
}

}  // namespace varnel::app

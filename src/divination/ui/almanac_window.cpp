#include "divination/ui/almanac_window.hpp"

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "divination/almanac_page.hpp"
#include "ui/widgets.hpp"

namespace varnel::ui {

namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2100;

QComboBox* MakeList(const char* objectName, int first, int last, int width, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setEditable(true);
    list->setMaxVisibleItems(20);
    for (int value = first; value <= last; ++value) list->addItem(QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')));
    return list;
}

}  // namespace

TFormHuangdao::TFormHuangdao(QWidget* parent) : QDialog(parent), notifier_(this), errors_(this) {
    setObjectName(QStringLiteral("FormHuangdao"));
    setWindowTitle(QStringLiteral("黄道吉日"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    resize(720, 600);

    auto* layout = new QVBoxLayout(this);
    auto* choose = new QGroupBox(QStringLiteral("选择黄历："), this);
    auto* chooseLayout = new QVBoxLayout(choose);
    auto* dateRow = new QHBoxLayout;
    year_ = MakeList("ComboYear", kFirstYear, kLastYear, 4, choose);
    month_ = MakeList("ComboMonth", 1, 12, 2, choose);
    day_ = MakeList("ComboDay", 1, 31, 2, choose);
    dateRow->addWidget(year_);
    dateRow->addWidget(MakeLabel("LabelYear", "年", choose));
    dateRow->addWidget(month_);
    dateRow->addWidget(MakeLabel("LabelMonth", "月", choose));
    dateRow->addWidget(day_);
    dateRow->addWidget(MakeLabel("LabelDay", "日", choose));
    dateRow->addSpacing(16);
    dateRow->addWidget(MakeButton("BtnReckon", "测算", choose, [this] { RunCommand([this] { Reckon(); }, errors_); }));
    dateRow->addWidget(MakeButton("BtnClose", "关闭", choose, [this] { close(); }));
    dateRow->addStretch(1);
    chooseLayout->addLayout(dateRow);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(MakeLabel("LabelOverview", "当日统览：", choose));
    title_ = MakeValueLabel("LabelTitle", choose, "red");
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    titleRow->addWidget(title_, 1);
    chooseLayout->addLayout(titleRow);
    layout->addWidget(choose);

    auto* results = new QGroupBox(QStringLiteral("测算结果："), this);
    auto* resultsLayout = new QVBoxLayout(results);
    result_ = new QPlainTextEdit(results);
    result_->setObjectName(QStringLiteral("MemoResult"));
    resultsLayout->addWidget(result_);
    layout->addWidget(results, 3);

    auto* glossary = new QGroupBox(QStringLiteral("黄历名词解释："), this);
    auto* glossaryLayout = new QVBoxLayout(glossary);
    auto* glossaryText = MakeReadOnlyText("MemoGlossary", glossary);
    QStringList lines;
    for (const std::string_view line : AlmanacGlossary()) lines << ToQString(line);
    glossaryText->setPlainText(lines.join(QLatin1Char('\n')));
    glossaryLayout->addWidget(glossaryText);
    layout->addWidget(glossary, 2);
}

void TFormHuangdao::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownToday_) return;
    shownToday_ = true;
    const QDate today = QDate::currentDate();
    year_->setCurrentText(today.toString(QStringLiteral("yyyy")));
    month_->setCurrentText(today.toString(QStringLiteral("MM")));
    day_->setCurrentText(today.toString(QStringLiteral("dd")));
    RunCommand([this] { Reckon(); }, errors_);
}

void TFormHuangdao::Reckon() {
    const auto page = LookUpAlmanac(year_->currentText().toStdString(), month_->currentText().toStdString(),
                                    day_->currentText().toStdString(), notifier_);
    if (!page) return;
    title_->setText(ToQString(page->title));
    QStringList lines;
    for (const std::string& line : page->lines) lines << ToQString(line);
    result_->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace varnel::ui

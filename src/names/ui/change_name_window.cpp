#include "names/ui/change_name_window.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "reports/command_dispatch.hpp"
#include "ui/widgets.hpp"

namespace varnel::ui {

TFrmChangeName::TFrmChangeName(const std::string& surname, QWidget* parent)
    : QDialog(parent), surname_(surname), errors_(this) {
    setObjectName(QStringLiteral("FrmChangeName"));
    setWindowTitle(QStringLiteral("取名宝典"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    resize(620, 520);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(MakeLabel("Label3", "笔画方式", this));
    combinations_ = new QComboBox(this);
    combinations_->setObjectName(QStringLiteral("ComboBCode"));
    combinations_->setMinimumWidth(220);
    top->addWidget(combinations_, 1);
    one_ = new QRadioButton(QStringLiteral("一个字名"), this);
    one_->setObjectName(QStringLiteral("RzRadioButton1"));
    two_ = new QRadioButton(QStringLiteral("两个字名"), this);
    two_->setObjectName(QStringLiteral("RzRadioButton2"));
    two_->setChecked(true);
    top->addWidget(one_);
    top->addWidget(two_);
    top->addWidget(MakeButton("RzBitBtn1", "取名", this, [this] { RunCommand([this] { RzBitBtn1Click(); }, errors_); }));
    top->addWidget(MakeButton("RzBitBtn4", "关闭", this, [this] { close(); }));
    layout->addLayout(top);

    auto* characters = new QHBoxLayout;
    auto memo = [&](const char* label, const char* labelName, const char* name) {
        characters->addWidget(MakeLabel(labelName, label, this));
        auto* view = MakeReadOnlyText(name, this);
        characters->addWidget(view, 1);
        return view;
    };
    nameOne_ = memo("名\n第\n一\n字", "Label1", "NameOne");
    nameTwo_ = memo("名\n第\n两\n字", "Label2", "NameTwo");
    layout->addLayout(characters, 2);

    auto* trial = new QGroupBox(QStringLiteral("新名字测试  "), this);
    trial->setObjectName(QStringLiteral("RzGroupBox1"));
    auto* trialRow = new QHBoxLayout(trial);
    trialRow->addWidget(MakeLabel("Label11", "姓", trial));
    nameA_ = MakeNameBox("NameA", trial);
    nameA_->setReadOnly(true);
    trialRow->addWidget(nameA_);
    trialRow->addWidget(MakeLabel("Label19", "名", trial));
    nameB_ = MakeNameBox("NameB", trial);
    trialRow->addWidget(nameB_);
    trialRow->addWidget(
        MakeButton("RzButton1", "确认测算", trial, [this] { RunCommand([this] { RzButton1Click(); }, errors_); }));
    trialRow->addStretch(1);
    layout->addWidget(trial);

    auto* results = new QGroupBox(QStringLiteral("新名字测试结果"), this);
    results->setObjectName(QStringLiteral("RzGroupBox2"));
    auto* resultsLayout = new QVBoxLayout(results);
    result_ = MakeReadOnlyText("RzMemo1", results);
    resultsLayout->addWidget(result_);
    layout->addWidget(results, 3);

    for (QRadioButton* button : {one_, two_}) {
        connect(button, &QRadioButton::clicked, this, [this] { RunCommand([this] { RzRadioButton1Click(); }, errors_); });
    }
}

void TFrmChangeName::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    nameA_->setText(ToQString(surname_));
    RunCommand([this] { FillCombinations(true); }, errors_);
}

bool TFrmChangeName::TwoCharacters() const { return two_->isChecked(); }

void TFrmChangeName::FillCombinations(bool onOpening) {
    combinations_->clear();
    suggestions_.clear();
    suggestions_ = StrokeSuggestions(TwoCharacters() ? 2 : 1, nameA_->text().trimmed().toStdString());
    for (const StrokeSuggestion& suggestion : suggestions_) {
        combinations_->addItem(ToQString(SuggestionLabel(suggestion, TwoCharacters(), onOpening)));
    }
    combinations_->setCurrentIndex(suggestions_.empty() ? -1 : 0);
}

void TFrmChangeName::RzRadioButton1Click() { FillCombinations(false); }

void TFrmChangeName::RzBitBtn1Click() {
    nameOne_->clear();
    nameTwo_->clear();
    const int index = combinations_->currentIndex();
    if (index < 0 || index >= static_cast<int>(suggestions_.size())) return;
    const StrokeSuggestion& chosen = suggestions_[static_cast<std::size_t>(index)];
    if (const std::string first = CharactersWithStrokes(chosen.g1); !first.empty()) {
        nameOne_->appendPlainText(ToQString(first));
    }
    if (TwoCharacters()) {
        if (const std::string second = CharactersWithStrokes(chosen.g2); !second.empty()) {
            nameTwo_->appendPlainText(ToQString(second));
        }
    }
}

void TFrmChangeName::RzButton1Click() {
    const std::string surname = nameA_->text().trimmed().toStdString();
    const std::string given = nameB_->text().trimmed().toStdString();
    if (surname.empty() || given.empty()) return;
    const std::vector<std::string> lines = TrialNameLines(surname, given);
    result_->clear();
    for (const std::string& line : lines) result_->appendPlainText(ToQString(line));
}

}  // namespace varnel::ui

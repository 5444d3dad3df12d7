#include "divination/ui/qigua_window.hpp"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QVBoxLayout>
#include <chrono>
#include <random>

#include "divination/hexagram.hpp"
#include "reports/command_dispatch.hpp"
#include "ui/widgets.hpp"

static void InitCoinResources() { Q_INIT_RESOURCE(coins); }

namespace varnel::ui {

namespace {

constexpr int kCoinSize = 56;

int ClockSeededDraw(int bound) {
    std::mt19937 generator(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return std::uniform_int_distribution<int>(0, bound - 1)(generator);
}

QPixmap CoinPicture(const QString& resource, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(resource).render(&painter);
    return pixmap;
}

void Inform(QWidget* owner, const char* title, const QString& text) {
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(title), text, QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace

TFrmQigua::TFrmQigua(QWidget* parent, RandomSource random, SaveNameDialog askSaveName)
    : QDialog(parent),
      random_(random ? std::move(random) : RandomSource(ClockSeededDraw)),
      askSaveName_(std::move(askSaveName)),
      errors_(this) {
    InitCoinResources();
    setObjectName(QStringLiteral("FrmQigua"));
    setWindowTitle(QStringLiteral("金钱卦"));
    resize(680, 560);

    auto* layout = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    tools->addWidget(MakeButton("BtnShow", "查看起卦", this, [this] { RunCommand([this] { ShowHexagram(); }, errors_); }));
    tools->addWidget(MakeButton("BtnPrint", "打印", this, [this] { Print(); }));
    tools->addWidget(MakeButton("BtnSave", "保存", this, [this] { Save(); }));
    tools->addWidget(MakeButton("BtnReset", "重新起卦", this, [this] { Reset(); }));
    tools->addWidget(MakeButton("BtnClose", "关闭", this, [this] { close(); }));
    tools->addStretch(1);
    layout->addLayout(tools);

    auto* castRow = new QHBoxLayout;
    auto* mode = new QGroupBox(QStringLiteral("起卦方式"), this);
    auto* modeLayout = new QVBoxLayout(mode);
    byHand_ = new QRadioButton(QStringLiteral("投币"), mode);
    byHand_->setObjectName(QStringLiteral("RadioByHand"));
    byComputer_ = new QRadioButton(QStringLiteral("电脑自动"), mode);
    byComputer_->setObjectName(QStringLiteral("RadioByComputer"));
    byComputer_->setChecked(true);
    modeLayout->addWidget(byHand_);
    modeLayout->addWidget(byComputer_);
    castRow->addWidget(mode);
    for (QRadioButton* radio : {byHand_, byComputer_}) connect(radio, &QRadioButton::clicked, this, [this] { Reset(); });

    auto* coinsBox = new QWidget(this);
    auto* coinsGrid = new QGridLayout(coinsBox);
    for (int i = 0; i < 6; ++i) {
        auto* stack = new QStackedWidget(coinsBox);
        stack->setFixedSize(kCoinSize, kCoinSize);
        auto* untossed = new QLabel(QStringLiteral("未投"), stack);
        untossed->setAlignment(Qt::AlignCenter);
        untossed->setStyleSheet(QStringLiteral("color: red;"));
        faces_[static_cast<std::size_t>(i)] = new QLabel(stack);
        faces_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("Coin%1").arg(i + 1));
        stack->addWidget(untossed);
        stack->addWidget(faces_[static_cast<std::size_t>(i)]);
        coins_[static_cast<std::size_t>(i)] = stack;
        const QByteArray name = QStringLiteral("BtnToss%1").arg(i + 1).toLatin1();
        const QByteArray caption = QStringLiteral("投第%1币").arg(i + 1).toUtf8();
        auto* toss = MakeButton(name.constData(), caption.constData(), coinsBox,
                                [this, i] { Toss(i); });
        tossButtons_[static_cast<std::size_t>(i)] = toss;
        coinsGrid->addWidget(stack, 0, i, Qt::AlignCenter);
        coinsGrid->addWidget(toss, 1, i);
    }
    castRow->addWidget(coinsBox, 1);

    auto* legend = new QGroupBox(QStringLiteral("图形说明"), this);
    auto* legendGrid = new QGridLayout(legend);
    const std::pair<const char*, const char*> faces[] = {{":/varnel/coin-heads.svg", "正面"}, {":/varnel/coin-tails.svg", "反面"}};
    for (int i = 0; i < 2; ++i) {
        auto* picture = new QLabel(legend);
        picture->setPixmap(CoinPicture(QString::fromLatin1(faces[i].first), 32));
        legendGrid->addWidget(picture, 0, i, Qt::AlignCenter);
        legendGrid->addWidget(new QLabel(QString::fromUtf8(faces[i].second), legend), 1, i, Qt::AlignCenter);
    }
    castRow->addWidget(legend);
    layout->addLayout(castRow);

    auto* brief = new QGroupBox(QStringLiteral("简语"), this);
    auto* briefLayout = new QVBoxLayout(brief);
    title_ = MakeValueLabel("LabelTitle", brief);
    briefLayout->addWidget(title_);
    layout->addWidget(brief);
    text_ = MakeReadOnlyText("MemoGua", this);
    layout->addWidget(text_, 1);

    Reset();
}

void TFrmQigua::Reset() {
    title_->setText(QStringLiteral("未起卦"));
    text_->clear();
    for (std::size_t i = 0; i < 6; ++i) {
        tossButtons_[i]->setEnabled(byHand_->isChecked());
        coins_[i]->setCurrentIndex(0);
        results_[i] = 0;
        tossed_[i] = false;
    }
}

void TFrmQigua::ShowCoin(int coin, bool heads) {
    const auto i = static_cast<std::size_t>(coin);
    faces_[i]->setPixmap(CoinPicture(heads ? QStringLiteral(":/varnel/coin-heads.svg") : QStringLiteral(":/varnel/coin-tails.svg"),
                                     kCoinSize));
    faces_[i]->setProperty("face", heads ? QStringLiteral("正面") : QStringLiteral("反面"));
    coins_[i]->setCurrentIndex(1);
}

void TFrmQigua::Toss(int coin) {
    if (byComputer_->isChecked()) {
        Inform(this, "信息提示", QStringLiteral("全自动模式请直接查看起卦！"));
        return;
    }
    const bool heads = random_(2) == 1;
    const auto i = static_cast<std::size_t>(coin);
    ShowCoin(coin, heads);
    results_[i] = heads ? 0 : 1;
    tossed_[i] = true;
    tossButtons_[i]->setEnabled(false);
}

void TFrmQigua::ShowHexagram() {
    std::optional<Hexagram> hexagram;
    if (byComputer_->isChecked()) {
        hexagram = HexagramById(random_(kHexagramCount));
        if (!hexagram) return;
        for (int i = 0; i < 6; ++i) ShowCoin(i, hexagram->code.size() > static_cast<std::size_t>(i) && hexagram->code[static_cast<std::size_t>(i)] == '0');
    } else {
        for (int i = 0; i < 6; ++i) {
            if (!tossed_[static_cast<std::size_t>(i)]) {
                Inform(this, "投币提示", QStringLiteral("请投第%1币！").arg(i + 1));
                tossButtons_[static_cast<std::size_t>(i)]->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
        hexagram = HexagramByCode(CodeOfTosses(results_));
        if (!hexagram) return;
    }
    title_->setText(ToQString(hexagram->title));
    text_->setPlainText(ToQString(hexagram->value));
}

void TFrmQigua::Save() {
    if (text_->toPlainText().trimmed().isEmpty()) return;
    std::filesystem::path chosen;
    if (askSaveName_) {
        chosen = askSaveName_();
    } else {
        chosen = QFileDialog::getSaveFileName(this, QStringLiteral("保存"), QStringLiteral("金钱卦"),
                                              QStringLiteral("文本文件 (*.txt)"))
                     .toStdString();
    }
    if (chosen.empty()) return;
    std::vector<std::string> lines;
    for (const QString& line : text_->toPlainText().split(QLatin1Char('\n'))) lines.push_back(line.toStdString());
    WriteGbkLines(SavePathFor(chosen), lines);
}

void TFrmQigua::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(12.7, 12.7 + 6.35, 12.7, 12.7 + 6.35), QPageLayout::Millimeter));
    QTextDocument document;
    document.setDefaultFont(text_->font());
    document.setPlainText(text_->toPlainText());
    document.print(&printer);
}

}  // namespace varnel::ui

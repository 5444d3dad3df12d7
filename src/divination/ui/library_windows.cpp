#include "divination/ui/library_windows.hpp"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "divination/library.hpp"
#include "divination/omens.hpp"
#include "divination/picture_pages.hpp"
#include "store/failure.hpp"
#include "ui/message_boxes.hpp"
#include "ui/widgets.hpp"

namespace varnel::ui {

namespace {

void CenterOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

QString JoinLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list << ToQString(line);
    return list.join(QLatin1Char('\n'));
}

QPixmap RenderSvg(const std::string& svg) {
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    if (!renderer.isValid()) return {};
    QSize size = renderer.defaultSize();
    if (size.isEmpty()) size = QSize(480, 300);
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

void FrameButton(QPushButton* button, const char* color) {
    button->setStyleSheet(QStringLiteral("QPushButton { border: 2px solid %1; padding: 2px 6px; }").arg(QLatin1String(color)));
}

}  // namespace

TFormOnther::TFormOnther(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormOnther"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    resize(640, 520);
    auto* layout = new QVBoxLayout(this);
    QStringList note;
    for (const std::string_view line : DoubleHourNote()) note << ToQString(line);
    auto* noteLabel = new QLabel(note.join(QLatin1Char('\n')), this);
    noteLabel->setObjectName(QStringLiteral("LabelNote"));
    noteLabel->setStyleSheet(QStringLiteral("color: navy;"));
    layout->addWidget(noteLabel);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl"));
    for (int page = 0; page < kOmenPages; ++page) {
        const QByteArray name = QStringLiteral("MemoPage%1").arg(page).toLatin1();
        auto* text = MakeReadOnlyText(name.constData(), pages_);
        text->setPlainText(JoinLines(OmenPageLines(page)));
        pages_->addWidget(text);
    }
    layout->addWidget(pages_, 1);
}

void TFormOnther::ShowOmenPage(int page) { pages_->setCurrentIndex(page); }

int TFormOnther::CurrentPage() const { return pages_->currentIndex(); }

TFormOnther* OpenOmen(QWidget* parent, std::string_view caption, int page) {
    auto* window = new TFormOnther(parent);
    window->setWindowTitle(ToQString(caption));
    window->ShowOmenPage(page);
    CenterOnScreen(window);
    window->show();
    return window;
}

TFrmNote::TFrmNote(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmNote"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    text_ = MakeReadOnlyText("Memo1", this);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(text_);
}

void TFrmNote::SetText(const QString& text) { text_->setPlainText(text); }

TFrmNote* OpenLibraryText(QWidget* parent, std::string_view key) {
    std::optional<LibraryText> text;
    try {
        text = LookUpLibraryText(key);
    } catch (const StoreError&) {
        return nullptr;
    }
    auto* window = new TFrmNote(parent);
    if (text) {
        window->SetText(ToQString(text->content));
        window->setWindowTitle(ToQString(text->title));
    } else {
        window->SetText(QString());
        window->setWindowTitle(QStringLiteral("算命"));
    }
    CenterOnScreen(window);
    window->show();
    return window;
}

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frm_NanNv"));
    setWindowTitle(QStringLiteral("生男生女"));
    resize(720, 560);
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(ToQString(BoyGirlNote()), this);
    note->setObjectName(QStringLiteral("LabelNote"));
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* table = MakeReadOnlyText("MemoTable", this);
    QFont mono(QStringLiteral("Noto Sans Mono CJK SC"));
    mono.setStyleHint(QFont::TypeWriter);
    table->setFont(mono);
    table->setPlainText(JoinLines(BoyGirlTableLines()));
    layout->addWidget(table, 1);
}

TImageInfoLoad::TImageInfoLoad(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ImageInfoLoad"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    resize(760, 640);
    auto* layout = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl"));
    for (int k = 0; k < kMaxArticlePages; ++k) {
        auto* page = new QWidget(pages_);
        auto* pageLayout = new QVBoxLayout(page);
        auto* picture = new QLabel(page);
        picture->setObjectName(QStringLiteral("Image%1").arg(k + 1));
        picture->setAlignment(Qt::AlignCenter);
        auto* text = MakeReadOnlyText(QStringLiteral("Memo%1").arg(k + 1).toLatin1().constData(), page);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setMaximumHeight(180);
        pageLayout->addWidget(picture, 1);
        pageLayout->addWidget(text);
        pictures_[static_cast<std::size_t>(k)] = picture;
        texts_[static_cast<std::size_t>(k)] = text;
        pages_->addWidget(page);
    }
    layout->addWidget(pages_, 1);

    auto* bar = new QHBoxLayout;
    bar->addWidget(MakeButton("BtnFirstArrow", "|<", this, [this] { current_ = 1; ShowPage(1); }));
    for (int k = 1; k <= kMaxArticlePages; ++k) {
        const QByteArray name = QStringLiteral("BtnPage%1").arg(k).toLatin1();
        const QByteArray caption = QByteArray::number(k);
        auto* button = MakeButton(name.constData(), caption.constData(), this, [this, k] { current_ = k; ShowPage(k); });
        button->setFixedWidth(30);
        numberButtons_[static_cast<std::size_t>(k - 1)] = button;
        bar->addWidget(button);
    }
    bar->addWidget(MakeButton("BtnLastArrow", ">|", this, [this] { current_ = pageCount_; ShowPage(pageCount_); }));
    bar->addWidget(MakeButton("BtnPrevious", "上一页", this, [this] {
        if (current_ > 1) --current_;
        ShowPage(current_);
    }));
    bar->addWidget(MakeButton("BtnNext", "下一页", this, [this] {
        if (current_ < pageCount_) ++current_;
        ShowPage(current_);
    }));
    bar->addWidget(MakeButton("BtnFirst", "首页", this, [this] { current_ = 1; ShowPage(1); }));
    bar->addWidget(MakeButton("BtnLast", "最末", this, [this] { current_ = pageCount_; ShowPage(pageCount_); }));
    bar->addWidget(MakeButton("BtnClose", "关闭", this, [this] { close(); }));
    layout->addLayout(bar);
    current_ = 1;
    pages_->setCurrentIndex(0);
}

void TImageInfoLoad::LoadArticle(int number) {
    number_ = number;
    std::vector<ArticlePage> pages;
    try {
        pages = LoadArticlePages(number);
    } catch (const StoreError&) {
        pages.clear();
    }
    pageCount_ = std::max<int>(1, static_cast<int>(pages.size()));
    for (std::size_t k = 0; k < pages.size(); ++k) {
        pictures_[k]->setPixmap(RenderSvg(pages[k].picture));
        texts_[k]->setPlainText(ToQString(pages[k].text));
    }
    for (int k = 1; k <= kMaxArticlePages; ++k) numberButtons_[static_cast<std::size_t>(k - 1)]->setEnabled(k <= pageCount_);
}

void TImageInfoLoad::ShowPage(int k) {
    for (int i = 1; i <= kMaxArticlePages; ++i) {
        FrameButton(numberButtons_[static_cast<std::size_t>(i - 1)], i == k ? "#FF0000" : "#003C74");
    }
    pages_->setCurrentIndex(k - 1);
}

TImageInfoLoad* OpenPicturePages(QWidget* parent, int number, std::string_view caption) {
    auto* window = new TImageInfoLoad(parent);
    window->LoadArticle(number);
    window->setWindowTitle(ToQString(caption));
    window->show();
    return window;
}

}  // namespace varnel::ui

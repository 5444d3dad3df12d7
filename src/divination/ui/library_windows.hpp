#pragma once

#include <QDialog>
#include <array>
#include <string_view>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace varnel::ui {

// The omen window: the note on the double hours above seven text pages; non-modal, freed on close.
class TFormOnther : public QDialog {
    Q_OBJECT
public:
    explicit TFormOnther(QWidget* parent = nullptr);
    void ShowOmenPage(int page);
    int CurrentPage() const;

private:
    QStackedWidget* pages_;
};

// Creates an omen window with the caption, brings the page to the front and shows it.
TFormOnther* OpenOmen(QWidget* parent, std::string_view caption, int page);

// A text of the library in a read-only area; non-modal, freed on close.
class TFrmNote : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNote(QWidget* parent = nullptr);
    void SetText(const QString& text);

private:
    QPlainTextEdit* text_;
};

// Fills a text window from the library and shows it: no row gives an empty window captioned
// "算命"; a store failure shows nothing (answers nullptr).
TFrmNote* OpenLibraryText(QWidget* parent, std::string_view key);

// 生男生女: the note and the table of boy or girl by the mother's age and the month. Modal.
class TFrm_NanNv : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_NanNv(QWidget* parent = nullptr);
};

// The picture-page viewer: an article as up to 15 pages of a picture above a text; non-modal,
// freed on close.
class TImageInfoLoad : public QDialog {
    Q_OBJECT
public:
    explicit TImageInfoLoad(QWidget* parent = nullptr);

    // Loads the article's pages; the number buttons above the page count are disabled.
    void LoadArticle(int number);
    void ShowPage(int k);
    int ArticleNumber() const { return number_; }
    int PageCount() const { return pageCount_; }
    int CurrentPage() const { return current_; }

private:
    int number_ = 0;
    int pageCount_ = 1;
    int current_ = 1;
    QStackedWidget* pages_;
    std::array<QLabel*, 15> pictures_{};
    std::array<QPlainTextEdit*, 15> texts_{};
    std::array<QPushButton*, 15> numberButtons_{};
};

// Creates a viewer with the article and the caption, sets page 1 and shows it. A store failure
// leaves the pages empty.
TImageInfoLoad* OpenPicturePages(QWidget* parent, int number, std::string_view caption);

}  // namespace varnel::ui

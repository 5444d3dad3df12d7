#include "app/report_area.hpp"

#include <QScrollBar>

#include "ui/message_boxes.hpp"
#include "app/svg_picture.hpp"

namespace varnel::app {

QFont SongFont(int pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setPointSize(pointSize);
    return font;
}

QFont ReportFont(int pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Sans Mono CJK SC")});
    font.setPointSize(pointSize);
    return font;
}

ReportArea::ReportArea(QWidget* parent)
    : stack_(new QStackedWidget(parent)),
      cover_(new SvgPicture(QStringLiteral(":/varnel/report-cover.svg"), stack_)),
      memo_(new QPlainTextEdit(stack_)) {
    memo_->setObjectName(QStringLiteral("RzMemo1"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setContextMenuPolicy(Qt::PreventContextMenu);
    memo_->setFont(ReportFont(9));
    QPalette palette = memo_->palette();
    palette.setColor(QPalette::Base, QColor(246, 255, 238));
    // The selection stays visible when the view loses the focus.
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    memo_->setPalette(palette);
    stack_->addWidget(cover_);
    stack_->addWidget(memo_);
    stack_->setCurrentWidget(cover_);
}

void ReportArea::Clear() {
    ReportSink::Clear();
    memo_->clear();
}

void ReportArea::AddLine(std::string_view text) {
    ReportSink::AddLine(text);
    memo_->appendPlainText(ui::ToQString(text));
}

void ReportArea::Show() {
    ReportSink::Show();
    stack_->setCurrentWidget(memo_);
}

void ReportArea::ScrollToTop() {
    ReportSink::ScrollToTop();
    memo_->moveCursor(QTextCursor::Start);
    memo_->verticalScrollBar()->setValue(0);
}

}  // namespace varnel::app

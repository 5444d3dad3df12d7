#pragma once

#include <QFont>
#include <QPlainTextEdit>
#include <QStackedWidget>

#include "reports/report_sink.hpp"

namespace varnel::app {

// The report area: a read-only text view (RzMemo1), hidden behind a picture until a reading
// shows it. Every change of the lines is mirrored into the view.
class ReportArea : public ReportSink {
public:
    explicit ReportArea(QWidget* parent);

    QWidget* widget() const { return stack_; }
    QPlainTextEdit* view() const { return memo_; }

    void Clear() override;
    void AddLine(std::string_view text) override;
    void Show() override;
    void ScrollToTop() override;

private:
    QStackedWidget* stack_;
    QWidget* cover_;
    QPlainTextEdit* memo_;
};

// 宋体 where it exists, Noto Serif CJK SC on Linux.
QFont SongFont(int pointSize);

// The report's font. Its layout counts a Chinese character as two blanks, so it needs Latin
// letters exactly half as wide as Chinese ones: 宋体 where it exists, else a CJK monospace.
QFont ReportFont(int pointSize);

}  // namespace varnel::app

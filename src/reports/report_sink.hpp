#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// The report area of the main window: a list of text lines and whether it is visible.
// The GUI derives from it to mirror every change into its text view.
class ReportSink {
public:
    virtual ~ReportSink() = default;

    virtual void Clear();
    // Appends a line; a text with line breaks appends one line per part.
    virtual void AddLine(std::string_view text);
    virtual void Show();
    // Brings the view back to the first line: the first line is taken out and put back.
    virtual void ScrollToTop();

    const std::vector<std::string>& Lines() const { return lines_; }
    bool Visible() const { return visible_; }

private:
    std::vector<std::string> lines_;
    bool visible_ = false;
};

// The system's message box (caption "提示", information icon, one OK button, modal), or
// whatever stands for it: a line on standard error, a recorded message in tests.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void ShowNotice(std::string_view text) = 0;
};

}  // namespace varnel

#include "reports/report_sink.hpp"

namespace varnel {

void ReportSink::Clear() { lines_.clear(); }

void ReportSink::AddLine(std::string_view text) {
    // A text with line breaks becomes several lines.
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

void ReportSink::Show() { visible_ = true; }

void ReportSink::ScrollToTop() {
    if (lines_.empty()) return;
    std::string first = std::move(lines_.front());
    lines_.erase(lines_.begin());
    lines_.insert(lines_.begin(), std::move(first));
}

}  // namespace varnel

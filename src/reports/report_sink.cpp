#include "reports/report_sink.hpp"

namespace varnel {

void ReportSink::Clear() { lines_.clear(); }

void ReportSink::AddLine(std::string_view text) { lines_.emplace_back(text); }

void ReportSink::Show() { visible_ = true; }

void ReportSink::ScrollToTop() {
    if (lines_.empty()) return;
    std::string first = std::move(lines_.front());
    lines_.erase(lines_.begin());
    lines_.insert(lines_.begin(), std::move(first));
}

}  // namespace varnel

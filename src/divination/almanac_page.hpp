#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_sink.hpp"

namespace varnel {

// What the almanac window shows for one day: the title line and the 17 lines of the entry.
struct AlmanacPage {
    std::string title;
    std::vector<std::string> lines;
};

// Looks up the stored almanac entry of year-month-day (texts as typed; trimmed here). An empty
// part or an impossible date shows a notice and answers nothing; a date without a row answers
// nothing. A store failure throws StoreError.
std::optional<AlmanacPage> LookUpAlmanac(std::string_view year, std::string_view month, std::string_view day,
                                         Notifier& notifier);

// The 34 lines of the glossary of almanac terms.
const std::vector<std::string_view>& AlmanacGlossary();

}  // namespace varnel

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// Every surname the knowledge store knows, in the table's order of xingl. Failures are not
// silenced: StoreError reaches the error box.
std::vector<std::string> SurnameList();

// The origin text of a surname (trimmed), or nothing when the table has no row for it.
std::optional<std::string> SurnameOrigin(std::string_view surname);

}  // namespace varnel

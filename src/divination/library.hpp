#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// A text of the library table Noter.
struct LibraryText {
    std::string title;
    std::string content;
};

// The text stored under `key` (a1 … a8, b1 … b13, c1, c2), title and content trimmed; nothing
// when there is no row. A store failure throws StoreError.
std::optional<LibraryText> LookUpLibraryText(std::string_view key);

// The boy-or-girl table: its note, and the header line followed by one line per age 18 … 45.
std::string_view BoyGirlNote();
std::vector<std::string> BoyGirlTableLines();
// 男 or 女 for a mother's nominal age 18 … 45 and a lunar month 1 … 12; empty outside the table.
std::string_view BoyOrGirl(int age, int month);

}  // namespace varnel

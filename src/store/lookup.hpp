#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/failure.hpp"

namespace varnel {

// One row of a result, its values read as text (NULL reads as the empty text).
class Row {
public:
    Row(std::vector<std::string> names, std::vector<std::string> values);

    std::size_t size() const { return values_.size(); }
    // Untrimmed values, by position or by column name (names compare without case).
    const std::string& Text(std::size_t column) const;
    const std::string& Text(std::string_view name) const;
    // Trimmed of blanks and control characters, as most readings take their values.
    std::string Trimmed(std::size_t column) const;
    std::string Trimmed(std::string_view name) const;
    bool Has(std::string_view name) const;
    // The trimmed value read as a decimal integer; StoreError when it is not one.
    int Integer(std::size_t column) const;

private:
    std::vector<std::string> names_;
    std::vector<std::string> values_;
};

struct LookupMemo;

// While one of these lives on a thread, a statement run again there on the same file answers the
// rows it answered before instead of opening the file again. The knowledge files do not change
// while the program runs, so the answer is the same; failures are not kept and are met again.
// Scopes nest: the outermost one holds the answers. Each command runs inside one.
class LookupMemoScope {
public:
    LookupMemoScope();
    ~LookupMemoScope();
    LookupMemoScope(const LookupMemoScope&) = delete;
    LookupMemoScope& operator=(const LookupMemoScope&) = delete;

private:
    std::unique_ptr<LookupMemo> owned_;
};

// Runs one statement on a read-only connection of its own to `file`, reads at most `limit`
// rows and closes the connection (inside a LookupMemoScope, a repeated statement answers
// without it). Every failure throws StoreError; a missing file is never created.
std::vector<Row> QueryRows(const std::filesystem::path& file, std::string_view sql,
                           std::size_t limit = static_cast<std::size_t>(-1));
std::optional<Row> QueryFirstRow(const std::filesystem::path& file, std::string_view sql);

// The three ways a lookup can fail. Unguarded lookups call the functions above directly and
// let StoreError through; these two wrap a lookup for the other two behaviours.

// Swallowed: a failure answers the lookup's empty result.
template <typename Lookup>
auto SwallowFailure(Lookup&& lookup) -> decltype(lookup()) {
    try {
        return lookup();
    } catch (const StoreError&) {
        return {};
    }
}

// Silent cancel: a failure ends the command without a message.
template <typename Lookup>
auto CancelOnFailure(Lookup&& lookup) -> decltype(lookup()) {
    try {
        return lookup();
    } catch (const StoreError&) {
        throw CommandCancelled();
    }
}

}  // namespace varnel

#pragma once

#include <stdexcept>

namespace varnel {

// A knowledge lookup failed (missing file, table or column, a statement that cannot run).
// Unguarded lookups let it reach the command dispatcher, which shows its text in an error box.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The command ends here without a message; the lines already written stay.
class CommandCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "command cancelled"; }
};

}  // namespace varnel

#pragma once

#include <functional>
#include <string_view>

namespace varnel {

// The framework's standard error box, or what stands for it.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void ShowError(std::string_view message) = 0;
};

enum class CommandOutcome {
    Done,       // the command ran to its end (it may have shown a notice itself)
    Cancelled,  // a lookup cancelled it silently
    Failed,     // a store or conversion error was shown in the error box
};

// Runs one command: CommandCancelled ends it without a message; StoreError and ConversionError
// (and any other error) end it with the error box showing their text. A statement the command
// runs again answers from the first run (see LookupMemoScope).
CommandOutcome RunCommand(const std::function<void()>& command, ErrorReporter& errors);

}  // namespace varnel

#include "reports/command_dispatch.hpp"

#include <exception>

#include "store/failure.hpp"
#include "store/lookup.hpp"

namespace varnel {

CommandOutcome RunCommand(const std::function<void()>& command, ErrorReporter& errors) {
    try {
        const LookupMemoScope memo;
        command();
        return CommandOutcome::Done;
    } catch (const CommandCancelled&) {
        return CommandOutcome::Cancelled;
    } catch (const std::exception& e) {
        errors.ShowError(e.what());
        return CommandOutcome::Failed;
    }
}

}  // namespace varnel

#include <string>

#include "cli/cli.hpp"
#include "readings/net_name.hpp"

namespace varnel::cli {

int NetNameCommand(Arguments& args, Output& output) {
    const auto words = args.Positionals();
    if (words.size() != 1) throw UsageError("give one nickname");
    output.Line("你的网名：" + words.front());
    output.Line("你的性格：" + std::string(NetNameTrait(words.front())));
    return kExitOk;
}

}  // namespace varnel::cli

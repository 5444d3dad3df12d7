#include "calendar/sexagenary.hpp"

namespace varnel {

Pillar PillarOfNumber(int n) {
    const int k = ((n % 60) + 60) % 60;
    return {k % 10, k % 12};
}

std::string PillarText(Pillar pillar) {
    std::string text(StemNames.at(static_cast<std::size_t>(pillar.stem)));
    text += BranchNames.at(static_cast<std::size_t>(pillar.branch));
    return text;
}

}  // namespace varnel

#include "names/surname_origins.hpp"

#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"

namespace varnel {

std::vector<std::string> SurnameList() {
    std::vector<std::string> surnames;
    for (const Row& row : QueryRows(BrennBirthPath(), "Select id,xingl from xing order by xingl")) {
        surnames.push_back(row.Trimmed(1));
    }
    return surnames;
}

std::optional<std::string> SurnameOrigin(std::string_view surname) {
    const auto row = QueryFirstRow(BrennBirthPath(), "Select * from xing where xingl = " + SqlText(surname));
    if (!row) return std::nullopt;
    return row->Trimmed("intro");
}

}  // namespace varnel

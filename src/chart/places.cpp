#include "chart/places.hpp"

#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"
#include "text/conversion_error.hpp"
#include "text/trim.hpp"

namespace varnel {

namespace {

Place PlaceOf(const Row& row) {
    return {row.Trimmed("province"), row.Trimmed("name"), std::stod(row.Trimmed("longitude")),
            std::stod(row.Trimmed("latitude"))};
}

constexpr std::string_view kColumns = "select province, name, longitude, latitude from places ";

}  // namespace

std::optional<Place> FindPlace(std::string_view text) {
    std::string key = Trim(text);
    // "name（province）" as the list shows it.
    if (const auto open = key.find("（"); open != std::string::npos && key.ends_with("）")) key = key.substr(0, open);
    if (key.empty()) return std::nullopt;
    const std::string sql = std::string(kColumns) + "where name = " + SqlText(key) + " or province || name = " +
                            SqlText(key) + " or province || ' ' || name = " + SqlText(key) + " order by rowid";
    const auto row = QueryFirstRow(BrennBirthPath(), sql);
    if (!row) return std::nullopt;
    return PlaceOf(*row);
}

std::vector<std::string> PlaceListItems() {
    std::vector<std::string> items;
    for (const Row& row : QueryRows(BrennBirthPath(), std::string(kColumns) + "order by rowid")) {
        items.push_back(row.Trimmed("name") + "（" + row.Trimmed("province") + "）");
    }
    return items;
}

}  // namespace varnel

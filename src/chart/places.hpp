#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// A birthplace of the place table: its province, name and the coordinates of its seat.
struct Place {
    std::string province;
    std::string name;
    double longitude = 0;  // degrees east
    double latitude = 0;   // degrees north
};

// Looks a place up by its name ("乌鲁木齐") or by province and name ("新疆 乌鲁木齐",
// "新疆乌鲁木齐"); nothing when there is no such place. A store failure throws StoreError.
std::optional<Place> FindPlace(std::string_view text);

// Every place as "name（province）"… for the birthplace list, in table order.
std::vector<std::string> PlaceListItems();

}  // namespace varnel

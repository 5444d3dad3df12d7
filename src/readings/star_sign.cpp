#include "readings/star_sign.hpp"

#include <array>

namespace varnel {

namespace {

struct SignRange {
    std::string_view sign;
    int from;  // 100 × month + day, both ends included
    int to;
};

// Tested in this order; 摩羯座 spans the turn of the year and so has two rows.
constexpr std::array<SignRange, 13> kSigns = {{
    {"摩羯座", 1222, 1231},
    {"摩羯座", 101, 119},
    {"水瓶座", 120, 218},
    {"双鱼座", 219, 320},
    {"白羊座", 321, 420},
    {"金牛座", 421, 520},
    {"双子座", 521, 621},
    {"巨蟹座", 622, 722},
    {"狮子座", 723, 822},
    {"处女座", 823, 922},
    {"天秤座", 923, 1022},
    {"天蝎座", 1023, 1121},
    {"射手座", 1122, 1221},
}};

}  // namespace

std::string_view StarSignForDate(DateTime date) {
    const CivilDate d = DecodeDate(date);
    const int key = 100 * d.month + d.day;
    for (const SignRange& range : kSigns) {
        if (range.from <= key && key <= range.to) return range.sign;
    }
    return {};
}

}  // namespace varnel

// Date texts of the birth input, and the lunar conversions both ways for any numbers.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "calendar/day_annotations.hpp"
#include "calendar/lunar.hpp"
#include "text/conversion_error.hpp"
#include "text/date_serial.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const varnel::DateTime date = varnel::ParseDateText(text);
        const varnel::LunarDate lunar = varnel::SolarToLunar(date);
        // The conversion back covers the lunar years 1901–2099.
        if (!(lunar == varnel::kNoLunarDate) && lunar.year >= 1901 && lunar.year <= 2099) {
            if (varnel::LunarToSolar(lunar) != date) __builtin_trap();
        }
        (void)varnel::CalendarCellAnnotation(date);
    } catch (const varnel::ConversionError&) {
    }
    if (size >= 13) {
        std::int32_t year = 0, month = 0, day = 0;
        std::memcpy(&year, data, 4);
        std::memcpy(&month, data + 4, 4);
        std::memcpy(&day, data + 8, 4);
        (void)varnel::LunarToSolar({year % 3000, month, day, (data[12] & 1) != 0});
    }
    return 0;
}

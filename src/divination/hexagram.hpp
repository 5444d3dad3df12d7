#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// A row of the hexagram table. GuaCode: character i is line i counted from the bottom, "1" a yang
// (solid) line and "0" a yin (broken) one; coin i casts line i, heads "0" and tails "1".
struct Hexagram {
    int id = 0;
    std::string code;
    std::string title;
    std::string value;
};

inline constexpr int kHexagramCount = 64;

// Lookups by number and by code; nothing without a row. Failures are not silenced.
std::optional<Hexagram> HexagramById(int id);
std::optional<Hexagram> HexagramByCode(std::string_view code);

// The code of six coin results (0 heads, 1 tails), coin 1 first.
std::string CodeOfTosses(const std::array<int, 6>& results);

// The file a save writes: the chosen name, with ".txt" added when it does not end in it.
std::filesystem::path SavePathFor(const std::filesystem::path& chosen);

// Writes lines as GBK text ended by CR LF; false when the file cannot be written.
bool WriteGbkLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

}  // namespace varnel

#include "divination/hexagram.hpp"

#include <fstream>

#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "text/gbk.hpp"

namespace varnel {

namespace {

std::optional<Hexagram> HexagramWhere(const std::string& condition) {
    const auto row = QueryFirstRow(TgcodePath(), "select ID,GuaCode,GuaTite,GuaValue from \"64gua\" where " + condition + " ");
    if (!row) return std::nullopt;
    return Hexagram{row->Integer(0), row->Trimmed(1), row->Trimmed(2), row->Trimmed(3)};
}

}  // namespace

std::optional<Hexagram> HexagramById(int id) { return HexagramWhere("ID = " + std::to_string(id)); }

std::optional<Hexagram> HexagramByCode(std::string_view code) {
    return HexagramWhere("GuaCode = '" + std::string(code) + "'");
}

std::string CodeOfTosses(const std::array<int, 6>& results) {
    std::string code;
    for (const int result : results) code += result == 0 ? '0' : '1';
    return code;
}

std::filesystem::path SavePathFor(const std::filesystem::path& chosen) {
    const std::string name = chosen.string();
    if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".txt") == 0) return chosen;
    return std::filesystem::path(name + ".txt");
}

bool WriteGbkLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << ToGbk(line) << "\r\n";
    return static_cast<bool>(out);
}

}  // namespace varnel

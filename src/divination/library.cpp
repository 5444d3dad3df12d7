#include "divination/library.hpp"

#include <array>
#include <cstddef>

#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"

namespace varnel {

namespace {

constexpr int kFirstAge = 18;
// 男 = 'M', 女 = 'F' for lunar months 1 … 12, one row per age from 18.
constexpr std::array<std::string_view, 28> kBoyGirl = {
    "FMFMMMMMMMMM",  // 18
    "MFMFFMMMMMFF",  // 19
    "FMFMMMMMMFMM",  // 20
    "MFFFFFFFFFFF",  // 21
    "FMMFMFFMFFFF",  // 22
    "MMFMMFMFMMMF",  // 23
    "MFMMFMMFFFFF",  // 24
    "FMMFFMFMMMMM",  // 25
    "MFMFFMFMFFFF",  // 26
    "FMFMFFMMMMFM",  // 27
    "MFMFFFMMMMFF",  // 28
    "FMFFMMMMMMMF",  // 29
    "MFFFFFFFFFMM",  // 30
    "MFMFFFFFFFFM",  // 31
    "MFMFFFFFFFFM",  // 32
    "FMFMFFFMFFFM",  // 33
    "MFMFFFFFFFMM",  // 34
    "MMFMFFFMFFMM",  // 35
    "FMMFMFFFMMMM",  // 36
    "MFMMFMFMFMFM",  // 37
    "FMFMMFMFMFMF",  // 38
    "MFMMMFFMFMFF",  // 39
    "FMFMFMMFMFMF",  // 40
    "MFMFMFMMFMFM",  // 41
    "FMFMFMFMMFMF",  // 42
    "MFMFMFMFMMMM",  // 43
    "MMFMMMFMFMFF",  // 44
    "FMMFFFMFMFMM",  // 45
};

// Blanks after the sign of month m (1 … 11): each sign starts in the column of its month in the
// header, counting a Chinese character as two columns.
constexpr std::array<std::string_view, 11> kGaps = {"     ", "    ", "    ", "    ", "    ", "    ",
                                                    "    ", "    ", "   ",  "     ", "     "};

}  // namespace

std::optional<LibraryText> LookUpLibraryText(std::string_view key) {
    const auto row = QueryFirstRow(BrennBirthPath(), "select Tite,content from Noter where Cid = " + SqlText(key));
    if (!row) return std::nullopt;
    return LibraryText{row->Trimmed(0), row->Trimmed(1)};
}

std::string_view BoyGirlNote() {
    return "说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，下半月以下个月份计算。";
}

std::string_view BoyOrGirl(int age, int month) {
    if (age < kFirstAge || age >= kFirstAge + static_cast<int>(kBoyGirl.size()) || month < 1 || month > 12) return {};
    return kBoyGirl[static_cast<std::size_t>(age - kFirstAge)][static_cast<std::size_t>(month - 1)] == 'M' ? "男" : "女";
}

std::vector<std::string> BoyGirlTableLines() {
    std::vector<std::string> lines = {"年龄   1月    2月   3月   4月   5月   6月   7月   8月   9月  10月   11月   12月"};
    for (int age = kFirstAge; age < kFirstAge + static_cast<int>(kBoyGirl.size()); ++age) {
        std::string line = std::to_string(age) + "     ";
        for (int month = 1; month <= 12; ++month) {
            line += BoyOrGirl(age, month);
            if (month < 12) line += kGaps[static_cast<std::size_t>(month - 1)];
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace varnel

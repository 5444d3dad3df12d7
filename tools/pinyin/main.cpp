// varnel-pinyin --unihan DIR --out FILE
//
// Writes the compiled-in reading table of the net-name reading: for every GBK double-byte code
// the number of its toneless Hanyu Pinyin syllable (0 where it has none). The readings come
// from Unihan kMandarin, whose first value is the customary reading; a few characters read
// otherwise as surnames or in the reading's own rules are fixed below. Only the initial letter
// of a syllable is ever used.
#include <iconv.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "bzip2_text.hpp"

namespace {

// Readings fixed by the net-name reading, then surnames whose reading differs from kMandarin's.
const std::map<std::string, std::string> kFixedReadings = {
    {"长", "zhang"}, {"行", "hang"}, {"乐", "le"},   {"重", "zhong"}, {"曾", "ceng"},
    {"单", "dan"},   {"仇", "chou"}, {"解", "jie"},  {"区", "qu"},    {"查", "zha"},
    {"覃", "qin"},   {"朴", "piao"}, {"翟", "zhai"}, {"缪", "miao"},  {"盖", "ge"},
    {"秘", "bi"},    {"种", "chong"}, {"召", "shao"}, {"莘", "shen"},  {"繁", "po"},
    {"句", "gou"},   {"阚", "kan"},  {"隗", "wei"},  {"冼", "xian"},  {"员", "yun"},
};

std::string EncodeUtf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// "zhōng" → "zhong", "lǜ" → "lv".
std::string Toneless(const std::string& reading) {
    static const std::vector<std::pair<std::string, std::string>> kMarks = {
        {"ā", "a"}, {"á", "a"}, {"ǎ", "a"}, {"à", "a"}, {"ē", "e"}, {"é", "e"}, {"ě", "e"}, {"è", "e"},
        {"ī", "i"}, {"í", "i"}, {"ǐ", "i"}, {"ì", "i"}, {"ō", "o"}, {"ó", "o"}, {"ǒ", "o"}, {"ò", "o"},
        {"ū", "u"}, {"ú", "u"}, {"ǔ", "u"}, {"ù", "u"}, {"ǖ", "v"}, {"ǘ", "v"}, {"ǚ", "v"}, {"ǜ", "v"},
        {"ü", "v"}, {"ń", "n"}, {"ň", "n"}, {"ǹ", "n"}, {"ḿ", "m"}, {"ê̄", "e"}, {"ế", "e"}, {"ê̌", "e"},
        {"ề", "e"}, {"ê", "e"}};
    std::string s = reading;
    for (const auto& [marked, plain] : kMarks) {
        for (std::size_t at = s.find(marked); at != std::string::npos; at = s.find(marked, at)) {
            s.replace(at, marked.size(), plain);
        }
    }
    return s;
}

std::string FromGbk(iconv_t cd, const std::string& gbk) {
    char out[16];
    auto* in = const_cast<char*>(gbk.data());
    std::size_t inLeft = gbk.size();
    char* dst = out;
    std::size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) == static_cast<std::size_t>(-1)) return {};
    return std::string(out, static_cast<std::size_t>(dst - out));
}

}  // namespace

int main(int argc, char** argv) {
    std::string unihan = "/usr/share/unicode";
    std::string outPath;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--unihan") unihan = argv[i + 1];
        if (option == "--out") outPath = argv[i + 1];
    }
    if (outPath.empty()) {
        std::cerr << "usage: varnel-pinyin --unihan DIR --out FILE\n";
        return 2;
    }
    try {
        // kMandarin readings by character (UTF-8).
        std::map<std::string, std::string> readings;
        const std::string text = varnel::tools::ReadBzip2(unihan + "/Unihan_Readings.txt.bz2");
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            const std::string line = text.substr(start, end - start);
            start = end + 1;
            const std::size_t tab1 = line.find('\t');
            if (line.empty() || line[0] == '#' || tab1 == std::string::npos) continue;
            const std::size_t tab2 = line.find('\t', tab1 + 1);
            if (line.compare(tab1 + 1, tab2 - tab1 - 1, "kMandarin") != 0) continue;
            const auto c = static_cast<char32_t>(std::stoul(line.substr(2, tab1 - 2), nullptr, 16));
            std::string value = line.substr(tab2 + 1);
            value = value.substr(0, value.find(' '));
            readings[EncodeUtf8(c)] = Toneless(value);
        }
        for (const auto& [character, reading] : kFixedReadings) readings[character] = reading;

        iconv_t cd = iconv_open("UTF-8", "GBK");
        if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
        std::vector<std::string> byCode;
        std::set<std::string> syllables;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F) continue;
                std::string reading;
                if (lead < 0xA1 || lead > 0xA9) {
                    const auto found = readings.find(FromGbk(cd, {static_cast<char>(lead), static_cast<char>(trail)}));
                    if (found != readings.end()) reading = found->second;
                }
                if (!reading.empty()) syllables.insert(reading);
                byCode.push_back(reading);
            }
        }
        iconv_close(cd);
        const std::vector<std::string> list(syllables.begin(), syllables.end());

        std::ofstream out(outPath, std::ios::trunc);
        out << "// Generated by varnel-pinyin from the Unihan readings; do not edit.\n"
            << "#include \"readings/pinyin_table.hpp\"\n\nnamespace varnel {\n\n"
            << "const std::string_view PinyinSyllables[] = {\n";
        for (const std::string& s : list) out << "    \"" << s << "\",\n";
        out << "};\nconst std::size_t PinyinSyllableCount = " << list.size() << ";\n\nconst std::array<std::uint16_t, kGbkDoubleByteCodes> GbkSyllable = {\n";
        for (std::size_t i = 0; i < byCode.size(); ++i) {
            const auto at = byCode[i].empty() ? 0 : std::lower_bound(list.begin(), list.end(), byCode[i]) - list.begin() + 1;
            out << at << (i % 24 == 23 ? ",\n" : ",");
        }
        out << "\n};\n\n}  // namespace varnel\n";
        if (!out) throw std::runtime_error(outPath + ": cannot be written");
    } catch (const std::exception& e) {
        std::cerr << "varnel-pinyin: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

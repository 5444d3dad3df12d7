#include "text/gbk.hpp"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <stdexcept>

namespace varnel {

namespace {

class Iconv {
public:
    Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
        }
    }
    ~Iconv() { iconv_close(handle_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts the whole input; each sequence that cannot be converted is replaced by "?" and
    // skipped by the length that skip_length gives for it.
    template <typename SkipLength>
    std::string Convert(std::string_view input, SkipLength skip_length) {
        std::string out;
        out.reserve(input.size() * 2);
        char buffer[256];
        auto* in = const_cast<char*>(input.data());
        std::size_t in_left = input.size();
        while (in_left > 0) {
            char* dst = buffer;
            std::size_t dst_left = sizeof buffer;
            const std::size_t rc = iconv(handle_, &in, &in_left, &dst, &dst_left);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: an unconvertible or incomplete sequence.
            out.push_back('?');
            std::size_t skip = skip_length(std::string_view(in, in_left));
            if (skip == 0 || skip > in_left) skip = in_left;
            in += skip;
            in_left -= skip;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t handle_;
};

std::size_t Utf8SequenceLength(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s.front());
    std::size_t n = 1;
    if (lead >= 0xF0 && lead <= 0xF4) n = 4;
    else if (lead >= 0xE0) n = 3;
    else if (lead >= 0xC2 && lead <= 0xDF) n = 2;
    if (n > s.size()) return 1;
    for (std::size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
    }
    return n;
}

std::size_t GbkSequenceLength(std::string_view s) {
    const auto lead = static_cast<unsigned char>(s.front());
    if (lead >= 0x81 && lead <= 0xFE && s.size() >= 2) {
        const auto trail = static_cast<unsigned char>(s[1]);
        if (trail >= 0x40 && trail != 0x7F && trail != 0xFF) return 2;
    }
    return 1;
}

// GBK holds every CJK unified ideograph of U+4E00..U+9FA5 as two bytes and ASCII as itself, so
// a text made only of these has known GBK lengths without converting it.
constexpr char32_t kFirstBasicHanzi = 0x4E00;
constexpr char32_t kLastBasicHanzi = 0x9FA5;

// True when every character is ASCII (one UTF-8 byte) or such an ideograph (three bytes).
bool IsAsciiAndBasicHanzi(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        if (b0 < 0xE0 || b0 > 0xEF || i + 3 > utf8.size()) return false;
        const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
        const auto b2 = static_cast<unsigned char>(utf8[i + 2]);
        if ((b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) return false;
        const char32_t cp = (static_cast<char32_t>(b0 & 0x0F) << 12) | (static_cast<char32_t>(b1 & 0x3F) << 6) |
                            static_cast<char32_t>(b2 & 0x3F);
        if (cp < kFirstBasicHanzi || cp > kLastBasicHanzi) return false;
        i += 3;
    }
    return true;
}

}  // namespace

std::string ToGbk(std::string_view utf8) {
    Iconv cd("GBK", "UTF-8");
    return cd.Convert(utf8, Utf8SequenceLength);
}

std::string FromGbk(std::string_view gbk) {
    Iconv cd("UTF-8", "GBK");
    return cd.Convert(gbk, GbkSequenceLength);
}

std::size_t GbkLength(std::string_view utf8) {
    if (IsAsciiAndBasicHanzi(utf8)) {
        const auto ascii = static_cast<std::size_t>(
            std::count_if(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        return ascii + (utf8.size() - ascii) / 3 * 2;
    }
    return ToGbk(utf8).size();
}

namespace {

// GbkCopy for a text of ASCII and basic ideographs, walked in UTF-8 with each ideograph counted
// as its two GBK bytes.
std::string GbkCopyOfAsciiAndBasicHanzi(std::string_view utf8, std::size_t first, std::size_t count) {
    const std::size_t last = count > SIZE_MAX - first ? SIZE_MAX : first + count;
    std::string out;
    std::size_t gbk = 0;
    for (std::size_t i = 0; i < utf8.size() && gbk < last;) {
        const std::size_t len = static_cast<unsigned char>(utf8[i]) < 0x80 ? 1 : 3;
        const std::size_t gbkLen = len == 1 ? 1 : 2;
        if (gbk + gbkLen > first) {
            const bool whole = gbk >= first && gbk + gbkLen <= last;
            if (whole) out.append(utf8.substr(i, len));
            else out.push_back('?');
        }
        gbk += gbkLen;
        i += len;
    }
    return out;
}

}  // namespace

std::string GbkCopy(std::string_view utf8, std::size_t start, std::size_t count) {
    if (start < 1) start = 1;
    if (IsAsciiAndBasicHanzi(utf8)) return GbkCopyOfAsciiAndBasicHanzi(utf8, start - 1, count);
    const std::string gbk = ToGbk(utf8);
    const std::size_t first = start - 1;
    if (first >= gbk.size()) return {};
    const std::size_t last = first + std::min(count, gbk.size() - first);
    std::string bytes;
    for (std::size_t pos = 0; pos < last;) {
        const std::size_t len = GbkSequenceLength(std::string_view(gbk).substr(pos));
        if (pos + len > first) {
            const bool whole = pos >= first && pos + len <= last;
            if (whole) bytes.append(gbk, pos, len);
            else bytes.push_back('?');
        }
        pos += len;
    }
    return FromGbk(bytes);
}

}  // namespace varnel

#include "text/gbk.hpp"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
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

}  // namespace

std::string ToGbk(std::string_view utf8) {
    Iconv cd("GBK", "UTF-8");
    return cd.Convert(utf8, Utf8SequenceLength);
}

std::string FromGbk(std::string_view gbk) {
    Iconv cd("UTF-8", "GBK");
    return cd.Convert(gbk, GbkSequenceLength);
}

std::size_t GbkLength(std::string_view utf8) { return ToGbk(utf8).size(); }

std::string GbkCopy(std::string_view utf8, std::size_t start, std::size_t count) {
    const std::string gbk = ToGbk(utf8);
    if (start < 1) start = 1;
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

#include "store/unscramble.hpp"

#include <cstdio>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "text/gbk.hpp"
#include "text/trim.hpp"

namespace varnel {

namespace {

constexpr int kRounds = 7;
constexpr auto kHigh = static_cast<std::uint8_t>(kScrambleKey >> 8);
constexpr auto kLow = static_cast<std::uint8_t>(kScrambleKey & 0xFF);

void TerminalBell() {
#ifndef _WIN32
    if (isatty(STDERR_FILENO) != 0) std::fputc('\a', stderr);
#endif
}

BeepHandler g_beep = TerminalBell;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

using Bytes = std::vector<std::uint8_t>;

// The reading side's round: S[i] = (S[i-1] + S[i]) xor H for i = 2 … n, then
// S[i] = (S[i+1] + S[i]) xor L for i = n-1 … 1, each step using the neighbour already updated.
void RestoreRound(Bytes& s) {
    const std::size_t n = s.size();
    for (std::size_t i = 1; i < n; ++i) s[i] = static_cast<std::uint8_t>((s[i - 1] + s[i]) ^ kHigh);
    for (std::size_t i = n - 1; i-- > 0;) s[i] = static_cast<std::uint8_t>((s[i + 1] + s[i]) ^ kLow);
}

// Undoes RestoreRound step by step in the opposite order.
void ScrambleRound(Bytes& s) {
    const std::size_t n = s.size();
    for (std::size_t i = 0; i + 1 < n; ++i) s[i] = static_cast<std::uint8_t>((s[i] ^ kLow) - s[i + 1]);
    for (std::size_t i = n - 1; i >= 1; --i) s[i] = static_cast<std::uint8_t>((s[i] ^ kHigh) - s[i - 1]);
}

}  // namespace

void SetBeepHandler(BeepHandler handler) { g_beep = handler != nullptr ? handler : TerminalBell; }

std::string Unscramble(std::string_view hex) {
    const std::string_view digits = TrimView(hex);
    Bytes s;
    s.reserve(digits.size() / 2);
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        const int hi = HexDigit(digits[i]);
        const int lo = HexDigit(digits[i + 1]);
        if (hi < 0 || lo < 0) {
            g_beep();
            continue;
        }
        s.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
    if (s.empty()) return {};
    for (int round = 0; round < kRounds; ++round) RestoreRound(s);
    return FromGbk(std::string_view(reinterpret_cast<const char*>(s.data()), s.size()));
}

std::string Scramble(std::string_view utf8) {
    const std::string gbk = ToGbk(utf8);
    Bytes s(gbk.begin(), gbk.end());
    if (s.empty()) return {};
    for (int round = 0; round < kRounds; ++round) ScrambleRound(s);
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(s.size() * 2);
    for (const std::uint8_t b : s) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0xF];
    }
    return hex;
}

}  // namespace varnel

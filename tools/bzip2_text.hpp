#pragma once

// Reads a whole .bz2 file (the Unihan sources) as text; shared by the builders in tools/.

#include <bzlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace varnel::tools {

inline std::string ReadBzip2(const std::filesystem::path& path) {
    const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.string().c_str(), "rb"), &std::fclose);
    if (file == nullptr) throw std::runtime_error(path.string() + ": cannot be read");
    int error = BZ_OK;
    BZFILE* bz = BZ2_bzReadOpen(&error, file.get(), 0, 0, nullptr, 0);
    std::string text;
    char buffer[1 << 16];
    while (error == BZ_OK) {
        const int n = BZ2_bzRead(&error, bz, buffer, sizeof buffer);
        if (n > 0) text.append(buffer, static_cast<std::size_t>(n));
    }
    BZ2_bzReadClose(&error, bz);
    return text;
}

}  // namespace varnel::tools

#include "store/paths.hpp"

#include <cstdlib>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace varnel {

namespace {

std::filesystem::path FindExecutableDir() {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(std::wstring(buffer, n)).parent_path();
#else
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
#endif
}

// The program does not move while it runs: find its folder once.
const std::filesystem::path& ExecutableDir() {
    static const std::filesystem::path dir = FindExecutableDir();
    return dir;
}

}  // namespace

std::filesystem::path KnowledgeDir() {
    if (const char* dir = std::getenv("VARNEL_KNOWLEDGE_DIR"); dir != nullptr && *dir != '\0') {
        return dir;
    }
    return ExecutableDir();
}

std::filesystem::path DreamPath() { return KnowledgeDir() / "dream.dll"; }
std::filesystem::path BrennFilePath() { return KnowledgeDir() / "BrennFile.dll"; }
std::filesystem::path BrennBirthPath() { return KnowledgeDir() / "BrennBirth.dll"; }
std::filesystem::path TgcodePath() { return KnowledgeDir() / "Tgcode.dll"; }
std::filesystem::path ShenshaDir() { return KnowledgeDir() / "shensha"; }

}  // namespace varnel

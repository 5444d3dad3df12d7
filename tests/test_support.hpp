#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "reports/report_sink.hpp"

namespace varnel::testing {

// Keeps every notice a reading shows.
class RecordingNotifier : public Notifier {
public:
    void ShowNotice(std::string_view text) override { notices.emplace_back(text); }
    std::vector<std::string> notices;
};

// Points the knowledge lookups at another folder for the life of the object; by default an
// empty one, so that every database file and the shensha folder are missing.
class KnowledgeDirOverride {
public:
    explicit KnowledgeDirOverride(std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                                              "varnel-no-knowledge")
        : dir_(std::move(dir)) {
        std::filesystem::create_directories(dir_);
        setenv("VARNEL_KNOWLEDGE_DIR", dir_.c_str(), 1);
    }
    ~KnowledgeDirOverride() { unsetenv("VARNEL_KNOWLEDGE_DIR"); }
    KnowledgeDirOverride(const KnowledgeDirOverride&) = delete;
    KnowledgeDirOverride& operator=(const KnowledgeDirOverride&) = delete;

    const std::filesystem::path& dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

}  // namespace varnel::testing

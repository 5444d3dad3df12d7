// Every reading against a damaged installation: each database file and the shensha folder in
// turn missing, unreadable (a folder in its place), empty and corrupt. No reading may crash or let
// an error escape the command dispatcher, an error box must name the damaged file, and nothing may
// write to the knowledge files.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "chart/places.hpp"
#include "divination/almanac_page.hpp"
#include "divination/hexagram.hpp"
#include "divination/library.hpp"
#include "divination/picture_pages.hpp"
#include "divination/zhuge.hpp"
#include "names/name_report.hpp"
#include "names/surname_origins.hpp"
#include "numbers/number_tests.hpp"
#include "readings/star_readings.hpp"
#include "reports/birth_reports.hpp"
#include "reports/command_dispatch.hpp"
#include "store/paths.hpp"
#include "test_support.hpp"

namespace fs = std::filesystem;

namespace varnel {
namespace {

class RecordingErrors : public ErrorReporter {
public:
    void ShowError(std::string_view message) override { errors.emplace_back(message); }
    std::vector<std::string> errors;
};

BirthPanel ZhangSan() {
    BirthPanel panel;
    panel.surname = "张";
    panel.givenName = "三";
    panel.day = "5";
    panel.hour = "午 12";
    panel.minute = "30";
    return panel;
}

using Reading = std::function<void(ReportSink&, Notifier&)>;

std::map<std::string, Reading> Readings() {
    auto birth = [](auto action) {
        return [action](ReportSink& report, Notifier& notifier) {
            const BirthPanel panel = ZhangSan();
            BirthInput input;
            FourPillars chart;
            BirthReportContext context{panel, input, chart, report, notifier, 2026};
            action(context);
        };
    };
    return {
        {"bazi", birth([](BirthReportContext& c) { DetailedReportAction(c); })},
        {"chenggu", birth([](BirthReportContext& c) { BirthInformationAction(c, BirthInformationKind::BoneWeight); })},
        {"name", [](ReportSink& r, Notifier& n) { BirthInput input; NameReport(ZhangSan(), input, r, n, 2026); }},
        {"star", [](ReportSink& r, Notifier& n) { BirthInput input; StarSignReport(ZhangSan(), input, r, n, 2026); }},
        {"zhuge", [](ReportSink& r, Notifier&) { CharacterTestReport("甲乙丙", r); }},
        {"fingerprint", [](ReportSink& r, Notifier&) { r.AddLine(FingerprintReading("ooxxo")); }},
        {"hexagram", [](ReportSink& r, Notifier&) { if (auto h = HexagramById(1)) r.AddLine(h->title); }},
        {"almanac", [](ReportSink& r, Notifier& n) { if (auto p = LookUpAlmanac("2012", "2", "29", n)) r.AddLine(p->title); }},
        {"library", [](ReportSink& r, Notifier&) { if (auto t = LookUpLibraryText("a1")) r.AddLine(t->title); }},
        {"articles", [](ReportSink& r, Notifier&) { r.AddLine(std::to_string(LoadArticlePages(6).size())); }},
        {"place", [](ReportSink& r, Notifier&) { if (auto p = FindPlace("上海")) r.AddLine(p->name); }},
        {"surname", [](ReportSink& r, Notifier&) { if (auto o = SurnameOrigin("张")) r.AddLine(*o); }},
        {"phone", [](ReportSink& r, Notifier&) { if (auto s = shoujiinfostr("13800138000")) r.AddLine(*s); }},
        {"qqpair", [](ReportSink& r, Notifier&) { r.AddLine(QqPairingText("12345", "67890")); }},
    };
}

enum class Damage { Missing, Unreadable, Empty, Corrupt };

struct Snapshot {
    std::uintmax_t size;
    fs::file_time_type written;
};

std::map<std::string, Snapshot> SnapshotOf(const fs::path& dir) {
    std::map<std::string, Snapshot> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file()) files[entry.path().string()] = {entry.file_size(), entry.last_write_time()};
    }
    return files;
}

// A knowledge folder whose entries link to the real ones, except `damaged`, which is broken.
void MakeFolder(const fs::path& dir, const fs::path& real, const std::string& damaged, Damage damage) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* name : {"dream.dll", "BrennFile.dll", "BrennBirth.dll", "Tgcode.dll", "shensha"}) {
        const fs::path target = dir / name;
        if (name != damaged) {
            fs::create_directory_symlink(real / name, target);  // works for files too on Linux
            continue;
        }
        const bool folder = damaged == "shensha";
        switch (damage) {
            case Damage::Missing: break;
            case Damage::Unreadable:
                if (folder) {
                    std::ofstream(target) << "not a folder";
                } else {
                    fs::create_directory(target);
                }
                break;
            case Damage::Empty:
                if (folder) {
                    fs::create_directory(target);
                } else {
                    std::ofstream{target};
                }
                break;
            case Damage::Corrupt:
                if (folder) {
                    fs::create_directory(target);
                    for (const auto& rule : fs::directory_iterator(real / "shensha")) {
                        std::ofstream(target / rule.path().filename(), std::ios::binary) << "\xFF\xFE=,;\x01\n甲=";
                    }
                } else {
                    // The real file's first pages with the rest cut off and bytes overwritten.
                    std::ifstream in(real / name, std::ios::binary);
                    std::string bytes(8192, '\0');
                    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
                    for (std::size_t i = 100; i < bytes.size(); i += 7) bytes[i] = static_cast<char>(i * 31);
                    std::ofstream(target, std::ios::binary) << bytes;
                }
                break;
        }
    }
}

TEST(FaultMatrix, NoReadingCrashesOrWritesOnADamagedInstallation) {
    const fs::path real = fs::absolute(KnowledgeDir());
    const auto before = SnapshotOf(real);
    const fs::path dir = testing::TestTempDir("varnel-fault-matrix");
    const auto readings = Readings();
    // What each reading gives on the intact installation.
    std::map<std::string, std::vector<std::string>> intact;
    for (const auto& [name, reading] : readings) {
        ReportSink report;
        testing::RecordingNotifier notifier;
        RecordingErrors errors;
        ASSERT_EQ(RunCommand([&] { reading(report, notifier); }, errors), CommandOutcome::Done) << name;
        intact[name] = report.Lines();
    }
    for (const std::string damaged : {"dream.dll", "BrennFile.dll", "BrennBirth.dll", "Tgcode.dll", "shensha"}) {
        for (const Damage damage : {Damage::Missing, Damage::Unreadable, Damage::Empty, Damage::Corrupt}) {
            MakeFolder(dir, real, damaged, damage);
            const testing::KnowledgeDirOverride knowledge(dir);
            int noticed = 0;  // readings the damage stopped or changed
            for (const auto& [name, reading] : readings) {
                SCOPED_TRACE(damaged + " " + std::to_string(static_cast<int>(damage)) + " " + name);
                ReportSink report;
                testing::RecordingNotifier notifier;
                RecordingErrors errors;
                const CommandOutcome outcome = RunCommand([&] { reading(report, notifier); }, errors);
                if (outcome == CommandOutcome::Failed) {
                    ASSERT_EQ(errors.errors.size(), 1u);
                    const std::string& message = errors.errors.front();
                    const std::string file = damaged == "shensha" ? "" : damaged;
                    EXPECT_NE(message.find(file), std::string::npos) << message;
                } else {
                    EXPECT_TRUE(errors.errors.empty());
                }
                if (outcome != CommandOutcome::Done || report.Lines() != intact[name]) ++noticed;
            }
            EXPECT_GT(noticed, 0) << damaged << " damage went unnoticed";
        }
    }
    fs::remove_all(dir);
    const auto after = SnapshotOf(real);
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [file, snapshot] : before) {
        EXPECT_EQ(after.at(file).size, snapshot.size) << file;
        EXPECT_TRUE(after.at(file).written == snapshot.written) << file;
    }
}

}  // namespace
}  // namespace varnel

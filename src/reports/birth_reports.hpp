#pragma once

#include <string>

#include "chart/four_pillars.hpp"
#include "reports/birth_input.hpp"
#include "reports/report_sink.hpp"

namespace varnel {

// What the birth reports read and write: the panel (sex, minute and blood type are read from
// it directly), the accepted input, the chart record, the report area and the notices.
struct BirthReportContext {
    const BirthPanel& panel;
    BirthInput& input;
    FourPillars& chart;
    ReportSink& report;
    Notifier& notifier;
    int currentYear;
};

// The detailed Four Pillars report of the accepted input. Any error ends it silently with the
// lines written so far.
void WriteDetailedReport(BirthReportContext& context);

// 生辰信息 (0), 称骨算命 (1) and 血型论命 (9).
enum class BirthInformationKind { Plain = 0, BoneWeight = 1, BloodType = 9 };
void WriteBirthInformationReport(BirthReportContext& context, BirthInformationKind kind);

// The actions: accept the panel (stop after a notice), write the report; 八字分析 then shows
// the report area and brings it back to its first line. The birth information reports leave
// the area as it is: hidden until a reading that shows it has run.
void DetailedReportAction(BirthReportContext& context);
// With true solar time chosen, the birthplace must be one of the place table (notice otherwise).
bool BirthplaceAccepted(const BirthPanel& panel, Notifier& notifier);
void BirthInformationAction(BirthReportContext& context, BirthInformationKind kind);

}  // namespace varnel

#pragma once

#include <string>

namespace varnel {

// A Four Pillars chart. Stems and branches are in the chart numbering: stem 1 = 甲 … 9 = 壬,
// 0 = 癸; branch 1 = 子 … 11 = 戌, 0 = 亥.
struct FourPillars {
    // The Gregorian birth moment as passed in.
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    bool sexIsMale = false;
    // −1 when the birth lies before a month-opening term that falls on the birth date.
    int beforeTerm = 0;

    int yearStem = 0;
    int yearBranch = 0;
    int monthStem = 0;
    int monthBranch = 0;
    int dayStem = 0;
    int dayBranch = 0;
    int hourStem = 0;
    int hourBranch = 0;

    std::string yearStemName;
    std::string yearBranchName;
    std::string monthStemName;
    std::string monthBranchName;
    std::string dayStemName;
    std::string dayBranchName;
    std::string hourStemName;
    std::string hourBranchName;

    // 1 when the luck pillars run backward through the cycle.
    int backward = 0;
    int startAge = 0;
    std::string startAgeText;
    // Ten pillars joined by three blanks; the first is the month pillar.
    std::string luckPillars;
    // 胎元: two characters and one blank.
    std::string conceptionPillar;

    std::string yearHiddenStems;
    std::string monthHiddenStems;
    std::string dayHiddenStems;
    std::string hourHiddenStems;
    std::string luckNayin;     // "纳音：" and ten entries, each followed by one blank
    std::string luckTenGods;   // "十神：" and ten entries, each followed by three blanks

    std::string personalityText;
};

}  // namespace varnel

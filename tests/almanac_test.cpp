#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "divination/almanac.hpp"
#include "divination/almanac_page.hpp"
#include "store/failure.hpp"
#include "test_support.hpp"

using namespace varnel;

namespace {

// Each row was worked out from the rules, not from the program:
// - day pillar: count days from 2000-01-01, a 戊午 day (cycle number 54);
// - month branch: the month-opening term before the day (all dates lie well inside a month,
//   except 2021-02-03, the day of 立春 at 22:59, which already belongs to 寅);
// - officer: 建 falls on the day whose branch is the month's, then 除 满 平 定 执 破 危 成 收 开 闭;
// - clash: the branch six places on, the stem six places on (甲 → 庚); 煞 lies 南 for 申子辰 days,
//   北 for 寅午戌, 西 for 亥卯未, 东 for 巳酉丑;
// - foetus: the stem's house (甲己 门, 乙庚 碓磨, 丙辛 厨灶, 丁壬 仓库, 戊癸 房床), the branch's
//   (子午 碓, 丑未 厕, 寅申 炉, 卯酉 门, 辰戌 栖, 巳亥 床), then the direction of the run of the
//   cycle the day falls in (己酉–甲寅 外东北, 乙卯–己未 外正东, 庚申–乙丑 外东南, 丙寅–庚午 外正南,
//   辛未–丙子 外西南, 丁丑–辛巳 外正西, 壬午–丁亥 外西北, 戊子–壬辰 外正北, 甲辰–戊申 房内东);
// - Peng Zu: the verse of the stem and the verse of the branch.
struct HandDerived {
    const char* date;
    const char* dayPillar;  // with the derivation's day count in the comment
    const char* wuhang;     // nayin, officer
    const char* cong;
    const char* pzbj;
    const char* tszf;
};

const HandDerived kDays[] = {
    // −36452 days: (54 − 36452) mod 60 = 28 壬辰; 卯 month: 辰 is 除
    {"1901-03-15", "壬辰日", "长流水 除执位", "冲狗(戊戌)煞南", "壬不汲水更难提防 辰不哭泣必主重丧", "仓库栖外正北"},
    // 乙巳 (41) in 未: 巳 is ten places on from 未: 开
    {"1925-07-20", "乙巳日", "覆灯火 开执位", "冲猪(辛亥)煞东", "乙不栽植千株不长 巳不远行财物伏藏", "碓磨床房内东"},
    // 甲子 (0) in 酉: 子 is three places on: 平
    {"1949-10-01", "甲子日", "海中金 平执位", "冲马(庚午)煞南", "甲不开仓财物耗散 子不问卜自惹祸殃", "占门碓外东南"},
    // 乙亥 (11) in 巳: 亥 is six places on: 破
    {"1966-05-16", "乙亥日", "山头火 破执位", "冲蛇(辛巳)煞西", "乙不栽植千株不长 亥不嫁娶不利新郎", "碓磨床外西南"},
    // 戊寅 (14) in 寅: 建
    {"1984-02-14", "戊寅日", "城头土 建执位", "冲猴(甲申)煞北", "戊不受田田主不祥 寅不祭祀神鬼不尝", "房床炉外正西"},
    // 甲辰 (40) in 午: ten places on: 开
    {"1997-07-01", "甲辰日", "覆灯火 开执位", "冲狗(庚戌)煞南", "甲不开仓财物耗散 辰不哭泣必主重丧", "门鸡栖房内东"},
    // 戊午 (54) in 子: 破
    {"2000-01-01", "戊午日", "天上火 破执位", "冲鼠(甲子)煞北", "戊不受田田主不祥 午不苫盖屋主更张", "房床碓外正东"},
    // 庚辰 (16) in 申: eight places on: 成
    {"2008-08-08", "庚辰日", "白蜡金 成执位", "冲狗(丙戌)煞南", "庚不经络织机虚张 辰不哭泣必主重丧", "碓磨栖外正西"},
    // 庚申 (56) in 寅: 破
    {"2012-02-29", "庚申日", "石榴木 破执位", "冲虎(丙寅)煞南", "庚不经络织机虚张 申不安床鬼祟入房", "碓磨炉外东南"},
    // 丁卯 (3) in 丑: two places on: 满
    {"2020-01-25", "丁卯日", "炉中火 满执位", "冲鸡(癸酉)煞西", "丁不剃头头必生疮 卯不穿井水泉不香", "仓库门外正南"},
    // 壬午 (18) on the day of 立春, so in 寅: four places on: 定 (the day before, 辛巳 in 丑, is 定 too)
    {"2021-02-03", "壬午日", "杨柳木 定执位", "冲鼠(戊子)煞北", "壬不汲水更难提防 午不苫盖屋主更张", "仓库碓外西北"},
    // 己未 (55) in 子: seven places on: 危
    {"2026-12-11", "己未日", "天上火 危执位", "冲牛(乙丑)煞西", "己不破券二比并亡 未不服药毒气入肠", "占门厕外正东"},
    // 丙寅 (2) in 午: eight places on: 成
    {"2050-06-15", "丙寅日", "炉中火 成执位", "冲猴(壬申)煞北", "丙不修灶必见灾殃 寅不祭祀神鬼不尝", "厨灶炉外正南"},
    // 丙寅 (2) in 亥: three places on: 平
    {"2077-11-20", "丙寅日", "炉中火 平执位", "冲猴(壬申)煞北", "丙不修灶必见灾殃 寅不祭祀神鬼不尝", "厨灶炉外正南"},
    // 丁未 (43) in 子: 危
    {"2100-12-31", "丁未日", "天河水 危执位", "冲牛(癸丑)煞西", "丁不剃头头必生疮 未不服药毒气入肠", "仓库厕房内东"},
};

std::vector<std::string> Split(const std::string& date) {
    return {date.substr(0, 4), date.substr(5, 2), date.substr(8, 2)};
}

std::optional<AlmanacPage> Look(const std::string& date, varnel::testing::RecordingNotifier& notifier) {
    const auto parts = Split(date);
    return LookUpAlmanac(parts[0], parts[1], parts[2], notifier);
}

}  // namespace

TEST(Almanac, StoredEntriesMatchTheHandDerivedDays) {
    for (const HandDerived& day : kDays) {
        SCOPED_TRACE(day.date);
        varnel::testing::RecordingNotifier notifier;
        const auto page = Look(day.date, notifier);
        ASSERT_TRUE(page.has_value());
        ASSERT_EQ(page->lines.size(), 17u);
        EXPECT_TRUE(page->lines[0].ends_with(std::string(" ") + day.dayPillar)) << page->lines[0];
        EXPECT_EQ(page->lines[2], std::string("每日胎神占方:") + day.tszf);
        EXPECT_EQ(page->lines[4], std::string("五行:") + day.wuhang);
        EXPECT_EQ(page->lines[6], std::string("冲:") + day.cong);
        EXPECT_EQ(page->lines[8], std::string("彭祖百忌:") + day.pzbj);
        EXPECT_TRUE(notifier.notices.empty());
    }
}

TEST(Almanac, PageHasNineCaptionedLinesWithBlanksBetween) {
    varnel::testing::RecordingNotifier notifier;
    const auto page = Look("2012-02-29", notifier);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->title, "2012-02-29  壬辰年二月初八");
    const std::vector<std::string> expected = {
        "岁次:壬辰年 壬寅月 庚申日",
        "",
        "每日胎神占方:碓磨炉外东南",
        "",
        "五行:石榴木 破执位",
        "",
        "冲:冲虎(丙寅)煞南",
        "",
        "彭祖百忌:庚不经络织机虚张 申不安床鬼祟入房",
        "",
        "吉神宜趋:" + page->lines[10].substr(std::string("吉神宜趋:").size()),
        "",
        "宜:拆卸",
        "",
        "凶神宜忌:" + page->lines[14].substr(std::string("凶神宜忌:").size()),
        "",
        "忌:嫁娶 祭祀 安葬 出行 祈福 动土 安床 开光 纳采 入殓 移徙 破土 解除 入宅 修造 栽种 开市 移柩 订盟 "
        "立券 交易 求嗣 上梁 纳财 起基 斋醮 赴任 冠笄 安门 修坟 挂匾",
    };
    EXPECT_EQ(page->lines, expected);
    // 庚申 in spring is also 四废; both 月破 and 四废 are named.
    EXPECT_NE(page->lines[14].find("月破"), std::string::npos);
    EXPECT_NE(page->lines[14].find("四废"), std::string::npos);
}

TEST(Almanac, MonthBreakLeavesAlmostNothingToDo) {
    // 2000-01-01 (戊午 in 子) and 1966-05-16 (乙亥 in 巳) are 破 days.
    for (const char* date : {"2000-01-01", "1966-05-16"}) {
        SCOPED_TRACE(date);
        varnel::testing::RecordingNotifier notifier;
        const auto page = Look(date, notifier);
        ASSERT_TRUE(page.has_value());
        EXPECT_NE(page->lines[14].find("月破"), std::string::npos);
        const std::string yi = page->lines[12];
        EXPECT_TRUE(yi == "宜:拆卸" || yi == "宜:诸事不宜") << yi;
    }
}

TEST(Almanac, OfficerRepeatsOnTheDayAMonthOpens) {
    // 立春 2021 falls at 22:59 on the 3rd: the 2nd (辛巳 in 丑) and the 3rd (壬午 in 寅) are both 定.
    const DateTime second = EncodeDate(2021, 2, 2);
    const DateTime third = EncodeDate(2021, 2, 3);
    EXPECT_EQ(MonthPositionOf(second).monthBranch, 1);
    EXPECT_EQ(MonthPositionOf(third).monthBranch, 2);
    EXPECT_EQ(MonthPositionOf(third).pillarYear, 2021);
    EXPECT_EQ(AlmanacOf(second, MonthPositionOf(second)).wuhang, "白蜡金 定执位");
    EXPECT_EQ(AlmanacOf(third, MonthPositionOf(third)).suici, "辛丑年 庚寅月 壬午日");
}

TEST(Almanac, NoticesForMissingOrImpossibleDates) {
    struct Case {
        const char* year;
        const char* month;
        const char* day;
        const char* notice;
    };
    const Case cases[] = {
        {" ", "02", "01", "请选择年!"},
        {"2012", "", "01", "请选择月!"},
        {"2012", "02", "  ", "请选择日!"},
        {"2013", "02", "29", "请选择有效的日期!"},
        {"2012", "13", "01", "请选择有效的日期!"},
        {"12", "02", "01", "请选择有效的日期!"},
        {"2012", "二", "01", "请选择有效的日期!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notice);
        varnel::testing::RecordingNotifier notifier;
        EXPECT_FALSE(LookUpAlmanac(c.year, c.month, c.day, notifier).has_value());
        EXPECT_EQ(notifier.notices, std::vector<std::string>{c.notice});
    }
}

TEST(Almanac, TypedDatesOutsideTheOldYearListAreLookedUp) {
    varnel::testing::RecordingNotifier notifier;
    const auto page = LookUpAlmanac(" 1950 ", "3", "7", notifier);
    ASSERT_TRUE(page.has_value());
    EXPECT_TRUE(page->title.starts_with("1950-3-7  ")) << page->title;
    // Before and after the table: no row, no notice.
    EXPECT_FALSE(LookUpAlmanac("1900", "12", "31", notifier).has_value());
    EXPECT_FALSE(LookUpAlmanac("2101", "01", "01", notifier).has_value());
    EXPECT_TRUE(notifier.notices.empty());
}

TEST(Almanac, MissingDatabaseIsAStoreError) {
    varnel::testing::KnowledgeDirOverride nothing;
    varnel::testing::RecordingNotifier notifier;
    EXPECT_THROW(LookUpAlmanac("2012", "02", "29", notifier), StoreError);
}

TEST(Almanac, GlossaryHasItsThirtyFourLines) {
    const auto& lines = AlmanacGlossary();
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines.front(), "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ");
    EXPECT_EQ(lines[3], "出行 ：指外出旅行、观光游览 ");
    EXPECT_EQ(lines.back(), "挂匾 ：指悬挂招牌或各种匾额");
    // Every activity an entry can name is explained.
    varnel::testing::RecordingNotifier notifier;
    const auto page = Look("2012-02-29", notifier);
    ASSERT_TRUE(page.has_value());
    std::string ji = page->lines[16].substr(std::string("忌:").size());
    std::size_t start = 0;
    while (start < ji.size()) {
        const std::size_t end = std::min(ji.find(' ', start), ji.size());
        const std::string term = ji.substr(start, end - start) + " ：";
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](std::string_view l) { return l.starts_with(term); }))
            << term;
        start = end + 1;
    }
}

// The daily almanac by the rules of the traditional almanacs (通书, 协纪辨方书): the officer of
// the day, the clash, Peng Zu's taboos, the foetus spirit, the spirits that follow the month
// branch, the day stem, branch and pillar, and the activities they favour or forbid.
#include "divination/almanac.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "calendar/lunar.hpp"
#include "calendar/sexagenary.hpp"
#include "chart/chart.hpp"

namespace varnel {

namespace {

using Branches = std::array<int, 12>;  // a value per month, indexed by the month's order (寅 = 0)

constexpr int kYin = 2;  // 寅

constexpr std::array<std::string_view, 12> kOfficers = {"建", "除", "满", "平", "定", "执", "破", "危", "成", "收", "开", "闭"};
constexpr std::array<std::string_view, 12> kLunarMonths = {"正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};

constexpr std::array<std::string_view, 10> kStemTaboos = {
    "甲不开仓财物耗散", "乙不栽植千株不长", "丙不修灶必见灾殃", "丁不剃头头必生疮", "戊不受田田主不祥",
    "己不破券二比并亡", "庚不经络织机虚张", "辛不合酱主人不尝", "壬不汲水更难提防", "癸不词讼理弱敌强"};
constexpr std::array<std::string_view, 12> kBranchTaboos = {
    "子不问卜自惹祸殃", "丑不冠带主不还乡", "寅不祭祀神鬼不尝", "卯不穿井水泉不香", "辰不哭泣必主重丧", "巳不远行财物伏藏",
    "午不苫盖屋主更张", "未不服药毒气入肠", "申不安床鬼祟入房", "酉不会客醉坐颠狂", "戌不吃犬作怪上床", "亥不嫁娶不利新郎"};

// The foetus spirit: the house part by the day stem and branch, the direction by runs of days.
constexpr std::array<std::string_view, 5> kStemHouse = {"门", "碓磨", "厨灶", "仓库", "房床"};  // 甲己 乙庚 丙辛 丁壬 戊癸
constexpr std::array<std::string_view, 6> kBranchHouse = {"碓", "厕", "炉", "门", "栖", "床"};   // 子午 丑未 寅申 卯酉 辰戌 巳亥
struct DirectionRun {
    int first;  // sexagenary number of the run's first day
    std::string_view direction;
};
constexpr std::array<DirectionRun, 12> kFoetusDirections = {{
    {2, "外正南"}, {7, "外西南"}, {13, "外正西"}, {18, "外西北"}, {24, "外正北"}, {29, "房内北"},
    {34, "房内中"}, {35, "房内南"}, {40, "房内东"}, {45, "外东北"}, {51, "外正东"}, {56, "外东南"},
}};

int Mod(int a, int n) { return ((a % n) + n) % n; }
std::string Stem(int s) { return std::string(StemNames[static_cast<std::size_t>(Mod(s, 10))]); }
std::string Branch(int b) { return std::string(BranchNames[static_cast<std::size_t>(Mod(b, 12))]); }
int BranchOf(std::string_view name) {
    for (int i = 0; i < 12; ++i) if (BranchNames[static_cast<std::size_t>(i)] == name) return i;
    return -1;
}
int StemOf(std::string_view name) {
    for (int i = 0; i < 10; ++i) if (StemNames[static_cast<std::size_t>(i)] == name) return i;
    return -1;
}
int PillarOf(std::string_view text) {  // sexagenary number of a pillar text
    const int s = StemOf(text.substr(0, 3));
    const int b = BranchOf(text.substr(3, 3));
    for (int n = 0; n < 60; ++n) if (n % 10 == s && n % 12 == b) return n;
    return -1;
}

std::string FoetusPosition(int day) {
    const int stem = day % 10;
    const int branch = day % 12;
    const std::string_view a = kStemHouse[static_cast<std::size_t>(stem % 5)];
    const std::string_view b = kBranchHouse[static_cast<std::size_t>(branch % 6)];
    std::string house;
    if (a == "门" && b == "门") {
        house = "占大门";
    } else if (a == "碓磨" && b == "碓") {
        house = "占碓磨";
    } else if (a == "房床" && b == "床") {
        house = "占房床";
    } else if (a == "门" && b == "栖") {
        house = "门鸡栖";
    } else if (a == "门") {
        house = "占门" + std::string(b);
    } else {
        house = std::string(a) + std::string(b);
    }
    std::string_view direction = kFoetusDirections.back().direction;
    for (const DirectionRun& run : kFoetusDirections) {
        if (day >= run.first) direction = run.direction;
    }
    return house + std::string(direction);
}

// The spirits of a day, in the order they are listed.
struct Spirit {
    std::string_view name;
    bool (*applies)(int month, int stem, int branch, int day);  // month: 寅 = 0 … 丑 = 11
};

int Season(int month) { return month / 3; }  // 0 spring … 3 winter
int Frame(int month) {                          // 三合 frame of the month branch: 0 寅午戌, 1 申子辰, 2 巳酉丑, 3 亥卯未
    const int b = Mod(month + kYin, 12);
    switch (b % 4) {
        case 2: return 0;  // 寅 午 戌
        case 0: return 1;  // 申 子 辰
        case 1: return 2;  // 巳 酉 丑
        default: return 3; // 亥 卯 未
    }
}
bool ByMonth(const char* list, int month, int branch) {  // a list of 12 branch characters, 寅 month first
    return BranchOf(std::string_view(list).substr(static_cast<std::size_t>(3 * month), 3)) == branch;
}
bool StemByMonth(const char* list, int month, int stem) {
    return StemOf(std::string_view(list).substr(static_cast<std::size_t>(3 * month), 3)) == stem;
}
bool InPillars(std::initializer_list<std::string_view> pillars, int day) {
    return std::any_of(pillars.begin(), pillars.end(), [day](std::string_view p) { return PillarOf(p) == day; });
}
bool CharInMonthList(const char* list, int month, int stem, int branch) {  // stem or branch
    const std::string_view c = std::string_view(list).substr(static_cast<std::size_t>(3 * month), 3);
    return StemOf(c) == stem || BranchOf(c) == branch;
}
int MonthBranch(int month) { return Mod(month + kYin, 12); }
// The twelve 黄道/黑道 gods run from 青龙.
int DayGod(int month, int branch) {
    const int qinglong = 2 * (month % 6);  // 子 for 寅申, 寅 for 卯酉 …
    return Mod(branch - qinglong, 12);
}

const std::vector<Spirit>& AuspiciousSpirits() {
    static const std::vector<Spirit> spirits = {
        {"天德", [](int m, int s, int b, int) { return CharInMonthList("丁申壬辛亥甲癸寅丙乙巳庚", m, s, b); }},
        {"月德", [](int m, int s, int, int) { return s == std::array<int, 4>{2, 8, 6, 0}[static_cast<std::size_t>(Frame(m))]; }},
        {"天德合", [](int m, int s, int b, int) { return CharInMonthList("壬巳丁丙寅己戊亥辛庚申乙", m, s, b); }},
        {"月德合", [](int m, int s, int, int) { return s == std::array<int, 4>{7, 3, 1, 5}[static_cast<std::size_t>(Frame(m))]; }},
        {"天恩", [](int, int, int, int d) {
             return InPillars({"甲子", "乙丑", "丙寅", "丁卯", "戊辰", "己卯", "庚辰", "辛巳", "壬午", "癸未", "己酉", "庚戌", "辛亥", "壬子", "癸丑"}, d);
         }},
        {"天赦", [](int m, int, int, int d) { return PillarOf(std::array<std::string_view, 4>{"戊寅", "甲午", "戊申", "甲子"}[static_cast<std::size_t>(Season(m))]) == d; }},
        {"天愿", [](int m, int, int, int d) {
             return PillarOf(std::array<std::string_view, 12>{"乙亥", "甲戌", "乙酉", "丙申", "丁未", "戊午", "己巳", "庚辰", "辛卯", "壬寅", "癸丑", "甲子"}[static_cast<std::size_t>(m)]) == d;
         }},
        {"月恩", [](int m, int s, int, int) { return StemByMonth("丙丁庚己戊辛壬癸庚乙甲辛", m, s); }},
        {"四相", [](int m, int s, int, int) { return s / 2 == std::array<int, 4>{1, 2, 4, 0}[static_cast<std::size_t>(Season(m))]; }},
        {"时德", [](int m, int, int b, int) { return b == std::array<int, 4>{6, 4, 0, 2}[static_cast<std::size_t>(Season(m))]; }},
        {"母仓", [](int m, int, int b, int) {
             switch (Season(m)) {
                 case 0: return b == 11 || b == 0;
                 case 1: return b == 2 || b == 3;
                 case 2: return b == 4 || b == 10 || b == 1 || b == 7;
                 default: return b == 8 || b == 9;
             }
         }},
        {"王日", [](int m, int, int b, int) { return b == std::array<int, 4>{2, 5, 8, 11}[static_cast<std::size_t>(Season(m))]; }},
        {"官日", [](int m, int, int b, int) { return b == std::array<int, 4>{3, 6, 9, 0}[static_cast<std::size_t>(Season(m))]; }},
        {"守日", [](int m, int, int b, int) { return b == std::array<int, 4>{9, 0, 3, 6}[static_cast<std::size_t>(Season(m))]; }},
        {"相日", [](int m, int, int b, int) { return b == std::array<int, 4>{5, 8, 11, 2}[static_cast<std::size_t>(Season(m))]; }},
        {"民日", [](int m, int, int b, int) { return b == std::array<int, 4>{6, 9, 0, 3}[static_cast<std::size_t>(Season(m))]; }},
        {"驿马", [](int m, int, int b, int) { return b == std::array<int, 4>{8, 2, 11, 5}[static_cast<std::size_t>(Frame(m))]; }},
        {"天马", [](int m, int, int b, int) { return ByMonth("午申戌子寅辰午申戌子寅辰", m, b); }},
        {"阳德", [](int m, int, int b, int) { return ByMonth("戌子寅辰午申戌子寅辰午申", m, b); }},
        {"阴德", [](int m, int, int b, int) { return ByMonth("酉未巳卯丑亥酉未巳卯丑亥", m, b); }},
        {"续世", [](int m, int, int b, int) { return ByMonth("丑未寅申卯酉辰戌巳亥午子", m, b); }},
        {"益后", [](int m, int, int b, int) { return ByMonth("子午丑未寅申卯酉辰戌巳亥", m, b); }},
        {"要安", [](int m, int, int b, int) { return ByMonth("寅申卯酉辰戌巳亥午子未丑", m, b); }},
        {"玉宇", [](int m, int, int b, int) { return ByMonth("卯酉辰戌巳亥午子未丑申寅", m, b); }},
        {"金堂", [](int m, int, int b, int) { return ByMonth("辰戌巳亥午子未丑申寅酉卯", m, b); }},
        {"敬安", [](int m, int, int b, int) { return ByMonth("未丑申寅酉卯戌辰亥巳子午", m, b); }},
        {"普护", [](int m, int, int b, int) { return ByMonth("申寅酉卯戌辰亥巳子午丑未", m, b); }},
        {"福生", [](int m, int, int b, int) { return ByMonth("酉卯戌辰亥巳子午丑未寅申", m, b); }},
        {"圣心", [](int m, int, int b, int) { return ByMonth("亥巳子午丑未寅申卯酉辰戌", m, b); }},
        {"五富", [](int m, int, int b, int) { return ByMonth("亥寅巳申亥寅巳申亥寅巳申", m, b); }},
        {"除神", [](int, int, int b, int) { return b == 8 || b == 9; }},
        {"鸣吠", [](int, int, int, int d) {
             return InPillars({"庚午", "壬申", "癸酉", "壬午", "甲申", "乙酉", "丙申", "丁酉", "壬寅", "丙午", "己酉", "庚寅", "庚申", "辛酉"}, d);
         }},
        {"天医", [](int m, int, int b, int) { return b == Mod(MonthBranch(m) - 1, 12); }},
        {"解神", [](int m, int, int b, int) { return ByMonth("申申戌戌子子寅寅辰辰午午", m, b); }},
        {"青龙", [](int m, int, int b, int) { return DayGod(m, b) == 0; }},
        {"明堂", [](int m, int, int b, int) { return DayGod(m, b) == 1; }},
        {"金匮", [](int m, int, int b, int) { return DayGod(m, b) == 4; }},
        {"天德", [](int m, int, int b, int) { return DayGod(m, b) == 5; }},
        {"玉堂", [](int m, int, int b, int) { return DayGod(m, b) == 7; }},
        {"司命", [](int m, int, int b, int) { return DayGod(m, b) == 10; }},
    };
    return spirits;
}

const std::vector<Spirit>& InauspiciousSpirits() {
    static const std::vector<Spirit> spirits = {
        {"月破", [](int m, int, int b, int) { return b == Mod(MonthBranch(m) + 6, 12); }},
        {"大耗", [](int m, int, int b, int) { return b == Mod(MonthBranch(m) + 6, 12); }},
        {"劫煞", [](int m, int, int b, int) { return b == std::array<int, 4>{11, 5, 2, 8}[static_cast<std::size_t>(Frame(m))]; }},
        {"灾煞", [](int m, int, int b, int) { return b == std::array<int, 4>{0, 6, 3, 9}[static_cast<std::size_t>(Frame(m))]; }},
        {"月煞", [](int m, int, int b, int) { return b == std::array<int, 4>{1, 7, 4, 10}[static_cast<std::size_t>(Frame(m))]; }},
        {"月刑", [](int m, int, int b, int) { return ByMonth("巳子辰申午丑寅酉未亥卯戌", m, b); }},
        {"月厌", [](int m, int, int b, int) { return ByMonth("戌酉申未午巳辰卯寅丑子亥", m, b); }},
        {"月害", [](int m, int, int b, int) { return ByMonth("巳辰卯寅丑子亥戌酉申未午", m, b); }},
        {"四废", [](int m, int, int, int d) {
             constexpr std::array<std::array<std::string_view, 2>, 4> kPillars = {{{"庚申", "辛酉"}, {"壬子", "癸亥"}, {"甲寅", "乙卯"}, {"丙午", "丁巳"}}};
             const auto& p = kPillars[static_cast<std::size_t>(Season(m))];
             return PillarOf(p[0]) == d || PillarOf(p[1]) == d;
         }},
        {"五虚", [](int m, int, int b, int) {
             constexpr std::array<std::array<int, 3>, 4> kFrames = {{{5, 9, 1}, {8, 0, 4}, {11, 3, 7}, {2, 6, 10}}};
             const auto& f = kFrames[static_cast<std::size_t>(Season(m))];
             return b == f[0] || b == f[1] || b == f[2];
         }},
        {"往亡", [](int m, int, int b, int) { return ByMonth("寅巳申亥卯午酉子辰未戌丑", m, b); }},
        {"归忌", [](int m, int, int b, int) { return b == std::array<int, 3>{1, 2, 0}[static_cast<std::size_t>(m % 3)]; }},
        {"血支", [](int m, int, int b, int) { return b == Mod(MonthBranch(m) - 1, 12); }},
        {"血忌", [](int m, int, int b, int) { return ByMonth("丑未寅申卯酉辰戌巳亥午子", m, b); }},
        {"天吏", [](int m, int, int b, int) { return ByMonth("酉午卯子酉午卯子酉午卯子", m, b); }},
        {"致死", [](int m, int, int b, int) { return ByMonth("酉午卯子酉午卯子酉午卯子", m, b); }},
        {"土符", [](int m, int, int b, int) { return ByMonth("丑巳酉寅午戌卯未亥辰申子", m, b); }},
        {"游祸", [](int m, int, int b, int) { return ByMonth("巳寅亥申巳寅亥申巳寅亥申", m, b); }},
        {"重日", [](int, int, int b, int) { return b == 5 || b == 11; }},
        {"复日", [](int m, int s, int, int) {
             switch (MonthBranch(m)) {
                 case 2: case 8: return s == 0 || s == 6;
                 case 3: case 9: return s == 1 || s == 7;
                 case 5: case 11: return s == 2 || s == 8;
                 case 6: case 0: return s == 3 || s == 9;
                 default: return s == 4 || s == 5;
             }
         }},
        {"四击", [](int m, int, int b, int) { return b == std::array<int, 4>{10, 1, 4, 7}[static_cast<std::size_t>(Season(m))]; }},
        {"八专", [](int, int, int, int d) { return InPillars({"甲寅", "乙卯", "丁未", "己未", "庚申", "辛酉", "戊戌", "癸丑"}, d); }},
        {"大时", [](int m, int, int b, int) { return b == std::array<int, 4>{3, 9, 6, 0}[static_cast<std::size_t>(Frame(m))]; }},
        {"天罡", [](int m, int, int b, int) { return ByMonth("巳子未寅酉辰亥午丑申卯戌", m, b); }},
        {"河魁", [](int m, int, int b, int) { return ByMonth("亥午丑申卯戌巳子未寅酉辰", m, b); }},
        {"死神", [](int m, int, int b, int) { return b == Mod(MonthBranch(m) + 3, 12); }},
        {"天刑", [](int m, int, int b, int) { return DayGod(m, b) == 2; }},
        {"朱雀", [](int m, int, int b, int) { return DayGod(m, b) == 3; }},
        {"白虎", [](int m, int, int b, int) { return DayGod(m, b) == 6; }},
        {"天牢", [](int m, int, int b, int) { return DayGod(m, b) == 8; }},
        {"玄武", [](int m, int, int b, int) { return DayGod(m, b) == 9; }},
        {"勾陈", [](int m, int, int b, int) { return DayGod(m, b) == 11; }},
    };
    return spirits;
}

// The activities, in the order of the almanac's glossary.
constexpr std::array<std::string_view, 32> kActivities = {
    "嫁娶", "祭祀", "安葬", "出行", "祈福", "动土", "安床", "开光", "纳采", "入殓", "移徙", "破土", "解除", "入宅", "修造", "栽种",
    "开市", "移柩", "订盟", "拆卸", "立券", "交易", "求嗣", "上梁", "纳财", "起基", "斋醮", "赴任", "冠笄", "安门", "修坟", "挂匾"};

struct Activities {
    std::vector<std::string_view> suit;
    std::vector<std::string_view> avoid;
};

// What each officer of the twelve favours and forbids.
const std::array<Activities, 12>& OfficerActivities() {
    static const std::array<Activities, 12> table = {{
        {{"出行", "赴任", "祈福", "祭祀", "冠笄"}, {"动土", "破土", "安葬", "修造", "嫁娶", "开市"}},                           // 建
        {{"解除", "祭祀", "祈福", "拆卸", "斋醮"}, {"嫁娶", "赴任", "开市", "移徙", "纳财"}},                                     // 除
        {{"祭祀", "祈福", "开市", "交易", "立券", "纳财"}, {"栽种", "动土", "破土", "安葬", "赴任"}},                              // 满
        {{"祭祀", "修造"}, {"祈福", "求嗣", "开市", "栽种", "移徙", "安葬"}},                                                     // 平
        {{"冠笄", "嫁娶", "纳采", "订盟", "祭祀", "祈福", "立券", "交易", "纳财", "安床"}, {"出行", "移徙", "栽种"}},            // 定
        {{"祭祀", "祈福", "求嗣", "立券", "纳采", "修造", "栽种"}, {"开市", "出行", "移徙", "入宅", "纳财"}},                     // 执
        {{"拆卸"}, {"嫁娶", "纳采", "订盟", "开市", "立券", "交易", "出行", "移徙", "入宅", "修造", "动土", "上梁", "安葬", "祈福"}},  // 破
        {{"祭祀", "祈福", "安床"}, {"出行", "移徙", "嫁娶"}},                                                                     // 危
        {{"嫁娶", "纳采", "订盟", "开市", "交易", "立券", "纳财", "入宅", "移徙", "出行", "祈福", "祭祀", "求嗣", "修造", "动土",
          "上梁", "栽种", "赴任", "开光", "安床"},
         {}},                                                                                                                      // 成
        {{"纳财", "祈福", "求嗣", "栽种"}, {"安葬", "出行", "开市", "入殓"}},                                                    // 收
        {{"开市", "开光", "交易", "立券", "嫁娶", "纳采", "祭祀", "祈福", "求嗣", "出行", "赴任", "修造", "动土", "上梁", "移徙",
          "入宅", "栽种"},
         {"安葬", "破土", "入殓", "移柩", "修坟"}},                                                                                // 开
        {{"纳财", "安门"}, {"开市", "出行", "赴任", "开光", "嫁娶", "移徙"}},                                                    // 闭
    }};
    return table;
}

struct SpiritEffect {
    std::string_view spirit;
    std::vector<std::string_view> adds;
    std::vector<std::string_view> forbids;
};

const std::vector<SpiritEffect>& SpiritEffects() {
    static const std::vector<SpiritEffect> effects = {
        {"天德", {"祭祀", "祈福", "求嗣", "修造"}, {}},
        {"月德", {"祭祀", "祈福", "求嗣", "修造"}, {}},
        {"天德合", {"祭祀", "祈福", "修造"}, {}},
        {"月德合", {"祭祀", "祈福", "修造"}, {}},
        {"天恩", {"祭祀", "祈福", "赴任"}, {}},
        {"天赦", {"祭祀", "祈福", "解除", "斋醮"}, {}},
        {"天愿", {"嫁娶", "纳采", "订盟", "祈福"}, {}},
        {"月恩", {"祭祀", "祈福", "修造", "入宅"}, {}},
        {"母仓", {"栽种", "纳财"}, {}},
        {"驿马", {"出行", "移徙", "赴任"}, {}},
        {"天马", {"出行", "移徙"}, {}},
        {"益后", {"求嗣", "嫁娶"}, {}},
        {"续世", {"求嗣", "祭祀"}, {}},
        {"要安", {"入宅", "安床"}, {}},
        {"金堂", {"修造", "上梁"}, {}},
        {"玉宇", {"修造", "安门"}, {}},
        {"五富", {"开市", "纳财"}, {}},
        {"解神", {"解除"}, {}},
        {"除神", {"解除"}, {}},
        {"鸣吠", {"安葬", "破土"}, {}},
        {"月厌", {}, {"嫁娶", "出行", "移徙"}},
        {"往亡", {}, {"出行", "嫁娶", "移徙", "赴任", "入宅"}},
        {"归忌", {}, {"移徙", "入宅", "嫁娶", "出行"}},
        {"重日", {}, {"安葬", "破土", "修坟", "入殓"}},
        {"复日", {}, {"安葬", "破土", "修坟", "入殓"}},
        {"土符", {}, {"动土", "破土", "起基", "栽种"}},
        {"四击", {}, {"出行", "赴任"}},
        {"八专", {}, {"嫁娶"}},
        {"天吏", {}, {"赴任", "出行"}},
        {"五虚", {}, {"开市", "纳财", "交易", "立券"}},
        {"月煞", {}, {"修造", "动土", "起基"}},
        {"劫煞", {}, {"出行", "嫁娶"}},
        {"灾煞", {}, {"出行", "修造"}},
        {"天罡", {}, {"嫁娶", "修造", "动土", "移徙", "出行", "开市"}},
        {"河魁", {}, {"嫁娶", "修造", "动土", "移徙", "出行", "开市"}},
    };
    return effects;
}

std::string Join(const std::vector<std::string_view>& words) {
    std::string text;
    for (const std::string_view word : words) {
        if (!text.empty()) text += " ";
        text += word;
    }
    return text;
}

bool Has(const std::vector<std::string_view>& list, std::string_view word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

}  // namespace

std::string_view DayOfficer(int dayBranch, int monthBranch) {
    return kOfficers[static_cast<std::size_t>(Mod(dayBranch - monthBranch, 12))];
}

MonthPosition MonthPositionOf(DateTime date) {
    // The month of the day is the one in force at the day's end: a term on the day counts.
    const DateTime endOfDay = DatePart(date) + 86399.0 / 86400.0;
    const TermPosition terms = LocateInTerms(endOfDay);
    const CivilDate d = DecodeDate(date);
    if (terms.known) return {Mod(terms.monthBranch - 1, 12), terms.pillarYear};
    // Without the table: the fixed days of the month-opening terms.
    constexpr std::array<int, 12> kFirstDay = {6, 4, 6, 5, 5, 6, 7, 8, 8, 8, 7, 7};
    const int branch = d.day >= kFirstDay[static_cast<std::size_t>(d.month - 1)] ? d.month : d.month - 1;
    const int year = d.month == 1 || (d.month == 2 && d.day < kFirstDay[1]) ? d.year - 1 : d.year;
    return {Mod(branch, 12), year};
}

AlmanacDay AlmanacOf(DateTime date, const MonthPosition& position) {
    const int day = Mod(static_cast<int>(DatePart(date) - EncodeDate(1900, 2, 20)), 60);
    const int stem = day % 10;
    const int branch = day % 12;
    const int monthBranch = position.monthBranch;
    const int month = Mod(monthBranch - kYin, 12);  // 寅 = 0

    AlmanacDay entry;
    const LunarDate lunar = SolarToLunar(DatePart(date));
    entry.nn = CycleYearText(lunar.year - 1864).substr(0, 6) + "年" + (lunar.isLeap ? "闰" : "") +
               std::string(kLunarMonths[static_cast<std::size_t>(Mod(lunar.month - 1, 12))]) + "月" +
               LunarDayText(lunar.day);

    const int yearNumber = Mod(position.pillarYear - 4, 60);
    const int yearStem = yearNumber % 10;
    const int monthStem = Mod((yearStem % 5) * 2 + 2 + month, 10);
    entry.suici = Stem(yearStem) + Branch(yearNumber % 12) + "年 " + Stem(monthStem) + Branch(monthBranch) + "月 " +
                  Stem(stem) + Branch(branch) + "日";

    entry.tszf = FoetusPosition(day);

    // The nayin of the day: the pairs of the cycle share one.
    static constexpr std::array<std::string_view, 30> kNayin = {
        "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
        "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
        "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
    const std::string_view officer = DayOfficer(branch, monthBranch);
    entry.wuhang = std::string(kNayin[static_cast<std::size_t>(day / 2)]) + " " + std::string(officer) + "执位";

    constexpr std::array<std::string_view, 4> kShaByFrame = {"北", "南", "东", "西"};  // 寅午戌 申子辰 巳酉丑 亥卯未
    const int frame = branch % 4 == 2 ? 0 : branch % 4 == 0 ? 1 : branch % 4 == 1 ? 2 : 3;
    entry.cong = "冲" + std::string(AnimalNames[static_cast<std::size_t>(Mod(branch + 6, 12))]) + "(" + Stem(stem + 6) +
                 Branch(branch + 6) + ")煞" + std::string(kShaByFrame[static_cast<std::size_t>(frame)]);

    entry.pzbj = std::string(kStemTaboos[static_cast<std::size_t>(stem)]) + " " +
                 std::string(kBranchTaboos[static_cast<std::size_t>(branch)]);

    std::vector<std::string_view> good;
    for (const Spirit& spirit : AuspiciousSpirits()) {
        if (spirit.applies(month, stem, branch, day) && !Has(good, spirit.name)) good.push_back(spirit.name);
    }
    std::vector<std::string_view> bad;
    for (const Spirit& spirit : InauspiciousSpirits()) {
        if (spirit.applies(month, stem, branch, day) && !Has(bad, spirit.name)) bad.push_back(spirit.name);
    }
    entry.jsyq = good.empty() ? "无" : Join(good);
    entry.xsyq = bad.empty() ? "无" : Join(bad);

    // 宜 and 忌: the officer's, what the spirits add and forbid; 月破 and 四废 leave almost nothing.
    const Activities& base = OfficerActivities()[static_cast<std::size_t>(Mod(branch - monthBranch, 12))];
    std::vector<std::string_view> suit = base.suit;
    std::vector<std::string_view> avoid = base.avoid;
    for (const SpiritEffect& effect : SpiritEffects()) {
        const bool present = Has(good, effect.spirit) || Has(bad, effect.spirit);
        if (!present) continue;
        for (const std::string_view a : effect.adds) suit.push_back(a);
        for (const std::string_view f : effect.forbids) avoid.push_back(f);
    }
    if (Has(bad, "月破") || Has(bad, "四废")) {
        const bool broken = Has(bad, "月破");
        suit = broken ? std::vector<std::string_view>{"拆卸"} : std::vector<std::string_view>{};
        for (const std::string_view a : kActivities) {
            if (!Has(suit, a)) avoid.push_back(a);
        }
    }
    std::vector<std::string_view> yi;
    std::vector<std::string_view> ji;
    for (const std::string_view a : kActivities) {
        if (Has(avoid, a)) {
            ji.push_back(a);
        } else if (Has(suit, a)) {
            yi.push_back(a);
        }
    }
    entry.yi = yi.empty() ? "诸事不宜" : Join(yi);
    entry.ji = ji.empty() ? "诸事不忌" : Join(ji);
    return entry;
}

}  // namespace varnel

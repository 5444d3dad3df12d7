#include "divination/almanac_page.hpp"

#include <array>

#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "text/conversion_error.hpp"
#include "text/date_serial.hpp"
#include "text/trim.hpp"

namespace varnel {

namespace {

struct Field {
    std::string_view column;
    std::string_view caption;
};

constexpr std::array<Field, 9> kFields = {{
    {"suici", "岁次:"},
    {"tszf", "每日胎神占方:"},
    {"wuhang", "五行:"},
    {"cong", "冲:"},
    {"pzbj", "彭祖百忌:"},
    {"jsyq", "吉神宜趋:"},
    {"yi", "宜:"},
    {"xsyq", "凶神宜忌:"},
    {"ji", "忌:"},
}};

}  // namespace

std::optional<AlmanacPage> LookUpAlmanac(std::string_view year, std::string_view month, std::string_view day,
                                         Notifier& notifier) {
    const std::string y = Trim(year);
    const std::string m = Trim(month);
    const std::string d = Trim(day);
    if (y.empty()) {
        notifier.ShowNotice("请选择年!");
        return std::nullopt;
    }
    if (m.empty()) {
        notifier.ShowNotice("请选择月!");
        return std::nullopt;
    }
    if (d.empty()) {
        notifier.ShowNotice("请选择日!");
        return std::nullopt;
    }
    const std::string joined = y + "-" + m + "-" + d;
    DateTime date = 0;
    try {
        date = ParseDateText(joined);
    } catch (const ConversionError&) {
        notifier.ShowNotice("请选择有效的日期!");
        return std::nullopt;
    }

    const auto row = QueryFirstRow(BrennBirthPath(), "select * from huangdao where gn = '" + FormatDate(date) + "'");
    if (!row) return std::nullopt;
    AlmanacPage page{joined + "  " + row->Trimmed("nn"), {}};
    for (const Field& field : kFields) {
        page.lines.push_back(std::string(field.caption) + row->Trimmed(field.column));
        if (field.column != "ji") page.lines.emplace_back();
    }
    return page;
}

const std::vector<std::string_view>& AlmanacGlossary() {
    static const std::vector<std::string_view> lines = {
        "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ",
        "祭祀 ：祭拜祖先、供奉神明，举行祠堂或庙宇的祭典",
        "安葬 ：举行葬礼，将灵柩或骨灰下葬入土",
        "出行 ：指外出旅行、观光游览 ",
        "祈福 ：向神明祈求福佑，或许愿、还愿",
        "动土 ：建造房屋时第一次挖地动工",
        "安床 ：安放新床，或把床挪到新的位置",
        "开光 ：为新塑成的神像、佛像举行启用的仪式",
        "纳采 ：缔结婚姻时男家向女家送聘礼，即俗称的订婚、下定",
        "入殓 ：把死者遗体放进棺木",
        "移徙 ：搬家，从旧居迁往新居",
        "破土 ：专指为坟墓挖土动工，与建屋的动土不同，",
        "       多用于修坟、筑墓和下葬前的开挖",
        "解除 ：打扫清洁居室，或举行除灾解厄的仪式",
        "入宅 ：迁入新建成的房屋居住",
        "修造 ：修理、改建或增建房屋",
        "栽种 ：种植花木、播种庄稼",
        "开市 ：商店、工厂开张营业，或新年后头一次开门做生意；",
        "       也指新设的机构开始办公",
        "移柩 ：把灵柩从停放处移往他处，如出殡时抬出家门",
        "订盟 ：订立盟约，或婚前双方交换庚帖、订下婚约",
        "拆卸 ：拆除房屋、墙垣等建筑",
        "立券 ：订立契约，签订合同或买卖文书",
        "交易 ：进行买卖，成交货物或产业",
        "求嗣 ：向神明祈求子嗣",
        "上梁 ：安装房屋的大梁",
        "纳财 ：收账、进货、购置产业等收进钱财的事",
        "起基 ：建房时开挖地基、砌筑基础",
        "斋醮 ：设坛斋戒，请道士做法事祈福消灾",
        "赴任 ：官员走马上任，今泛指到新的岗位就职",
        "冠笄 ：男子加冠、女子加笄的成年礼",
        "安门 ：安装房屋的大门",
        "修坟 ：修整坟墓",
        "挂匾 ：指悬挂招牌或各种匾额",
    };
    return lines;
}

}  // namespace varnel

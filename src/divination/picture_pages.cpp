#include "divination/picture_pages.hpp"

#include <algorithm>

#include "store/lookup.hpp"
#include "store/paths.hpp"

namespace varnel {

const std::vector<ArticleItem>& ArticleItems() {
    static const std::vector<ArticleItem> items = {
        {"旺夫家居风水设计", 1}, {"家居风水与姻缘", 2}, {"桃花盛开制胜秘笈", 3}, {"家居风水与桃花运", 4},
        {"风水秘籍钓 \"金龟婿\"", 5}, {"十二星座卧室桃花运", 6}, {"家居风水开运方法", 7}, {"财神摆放指南", 8},
        {"随意改房对风水影响", 9}, {"装修颜色与风水吉凶", 10}, {"客厅招财布局", 11},
        {"最常见风水煞气及解救方法", 12}, {"除夕家居风水摆设与新年运", 13}, {"6种类型的住宅学会驱邪避凶", 14},
        {"家居装饰吉祥物的悬挂方法", 15}, {"居家好风水的15件宝贝", 16},
        {"面型分析", 18}, {"额形分析", 19}, {"眉形分析", 20}, {"下颚分析", 21}, {"耳形分析", 22},
        {"鼻形分析", 23}, {"眼形分析", 24}, {"嘴唇分析", 25}, {"不得不爱的女人", 26}, {"不如不娶的女人", 27},
        {"敬而远之型男人", 28}, {"托付终身型男人", 29}, {"不如别跟的老板", 30}, {"不能错过的人才", 31},
        {"最不听话的员工", 32}, {"面相十二宫部位解密图", 33}, {"面相小人图", 34}, {"麻衣神相十二宫解释", 35},
        {"旺夫运最强的女人面相图", 36}, {"最得宠的女人面相特点", 37},
        {"10种手相透析你婚姻图", 38}, {"额头凶痣化解方法", 39}, {"痣相与旺妻好男人", 42},
        {"痣相与旺夫老婆相", 43}, {"痣相与财富运", 44}, {"痣相与有福女", 45}, {"男女面痣图", 46},
        {"认识手相图解", 48}, {"五指长短藏玄机图", 49}, {"看手相的注意事项", 50}, {"各指节所代表的性格图", 51},
        {"幸福家庭婚姻线图", 52}, {"掌型与人生图", 54}, {"手掌各部位分析图", 55}, {"嫁给有钱人分析图", 56},
        {"危险婚姻对象分析图", 57}, {"手相揭开命运奥秘之一图", 58}, {"手相揭开命运奥秘之二图", 59},
    };
    return items;
}

std::optional<int> ArticleNumberOf(std::string_view caption) {
    const auto& items = ArticleItems();
    const auto found = std::find_if(items.begin(), items.end(), [&](const ArticleItem& i) { return i.caption == caption; });
    if (found == items.end()) return std::nullopt;
    return found->number;
}

std::vector<ArticlePage> LoadArticlePages(int number) {
    const auto rows = QueryRows(BrennFilePath(),
                                "select tu, wen from tuwen where wenid = " + std::to_string(number) + " order by ye",
                                kMaxArticlePages);
    std::vector<ArticlePage> pages;
    for (const Row& row : rows) pages.push_back({row.Trimmed(0), row.Trimmed(1)});
    return pages;
}

}  // namespace varnel

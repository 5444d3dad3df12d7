#include "readings/star_readings.hpp"

#include "store/lookup.hpp"
#include "store/paths.hpp"
#include "store/quote.hpp"

namespace varnel {

namespace {

struct IqText {
    std::string_view sign;
    std::string_view text;
};

// 摩羯座 reads the same text as 巨蟹座.
constexpr std::string_view kCancerIq =
    "智商： 90。你的聪明多半花在照顾身边的人上，对人的情绪和需要格外敏感，记性也好，尤其记得别人的好与不好。"
    "面对抽象的理论你兴趣不大，但在生活和人情上的智慧却很实用。遇事容易先被情绪牵着走，冷静下来再做决定，会更少后悔。";

constexpr std::array<IqText, 12> kIqTexts = {{
    {"水瓶座",
     "智商：102。思维跳跃而富有创意，常能从别人想不到的角度切入问题，对科学、新技术和社会议题都兴致勃勃。学东西不靠"
     "死记，而是先弄懂道理再举一反三。缺点是主意太多，常常想到就放下，若肯把一个点子做深做透，成就不可限量。"},
    {"白羊座",
     "智商： 80。脑筋转得快，行动更快，往往还没想清楚就已经冲了出去。遇到难题喜欢硬碰硬，凭一股冲劲闯关，成功时痛快，"
     "失败时也不气馁。只是耐心不足，遇到需要细细推敲的事容易烦躁，多停一停、想一想，聪明才会用到点子上。"},
    {"金牛座",
     "智商：110。学东西不算最快，却学得最扎实，一旦掌握便不会忘。做事讲究方法和步骤，数字概念清楚，理财和规划是你的"
     "强项。你不爱空谈，凡事要看得见摸得着才肯相信。偶尔固执己见，听听不同意见会让你的判断更周全。"},
    {"双子座",
     "智商：130。天生聪明，反应敏捷，文武双全。对各样新奇事物都有兴趣去了解，使自己的思维不断扩大。足智多谋，擅长沟通，"
     "容易令人明白自己的意念，能影响别人的思路。凡事都懂一点，令人崇拜。也许你有两个脑袋吧。"},
    {"巨蟹座", kCancerIq},
    {"狮子座",
     "智商：100。头脑清楚，有大局观，擅长把一群人的力量组织起来，朝一个目标推进。你喜欢在众人面前表现，越有人看越能"
     "发挥出水平。只是有时太在意面子，不懂也不肯问，吃了暗亏。放下身段向人请教，你的聪明会更上一层楼。"},
    {"处女座",
     "智商：105。观察细致，分析能力强，别人一眼扫过的地方，你能看出三处毛病。做事有条理，资料整理得井井有条，是团队里"
     "最可靠的把关人。只是追求完美，常在细节上耗费太多精力，反而误了大事。学会抓大放小，效率会高得多。"},
    {"天秤座",
     "智商： 95。审美眼光出众，谈吐得体，善于权衡各方利弊，是天生的协调者。你能很快看出一件事的两面，却也因此迟迟拿"
     "不定主意。学习上偏爱文学、艺术和与人打交道的学问。给自己定一个期限再做选择，你的判断力会更有分量。"},
    {"天蝎座",
     "智商：120。洞察力极强，能看穿表象背后的动机，思考问题深入而专注，一旦认定目标便钻研到底。你不轻易表露想法，却"
     "早已在心里推演了好几步。研究、侦查、心理一类需要深挖的领域最能发挥你的长处。只是多疑会让你错过好意，适当信任别人吧。"},
    {"射手座",
     "智商：125。求知欲旺盛，视野开阔，对哲学、旅行、异国文化都充满好奇，常能把不同领域的知识融会贯通。你反应灵敏，"
     "说话风趣，很有感染力。缺点是坐不住，对重复枯燥的工作缺乏耐心。若能在热情之外再添几分恒心，你会走得很远。"},
    {"摩羯座", kCancerIq},
    {"双鱼座",
     "智商： 75。 你是再聪明也有限呀，因为你多数会为人着想，对自己有利的事就多数不去做，一遇到问题或者挑战，都会找籍口"
     "逃避。不知道是因为想不到办法去解决，还是根本就知道自己没什么智慧，所以懒得再去浪费脑汁。"},
}};

const std::string kSeparator(70, '-');
const std::string kClosing = "--以上测算紧着参考" + std::string(52, '-');

std::string RemoveAll(std::string text, std::string_view part) {
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) text.erase(at, part.size());
    return text;
}

bool HasStoredSign(const BirthInput& input) {
    return !input.surname.empty() && !input.givenName.empty() && !input.starSign.empty();
}

}  // namespace

std::string_view StarSignIqText(std::string_view sign) {
    for (const IqText& entry : kIqTexts) {
        if (entry.sign == sign) return entry.text;
    }
    return "请听下回分解!";
}

std::string StarSignTopicText(std::string_view sign, std::string_view table) {
    const std::string sql = "select content from " + std::string(table) + " where title = " + SqlText(sign);
    const auto row = CancelOnFailure([&] { return QueryFirstRow(BrennFilePath(), sql); });
    if (!row) return {};
    return RemoveAll(RemoveAll(row->Trimmed(0), "<p>"), "</p>");
}

void StarSignReport(const BirthPanel& panel, BirthInput& input, ReportSink& report, Notifier& notifier,
                    int currentYear) {
    if (!AcceptBirthInput(panel, false, input, notifier)) return;
    report.Clear();
    report.AddLine(BirthSummaryLine(input, currentYear));
    report.AddLine("");
    report.AddLine(kSeparator);
    for (std::size_t i = 0; i < StarTopics.size(); ++i) {
        report.AddLine(StarTopics[i].heading);
        report.AddLine(StarSignTopicText(input.starSign, StarTopics[i].table));
        if (i + 1 < StarTopics.size()) report.AddLine(kSeparator);
    }
    report.AddLine("");
    report.AddLine(kClosing);
    report.Show();
    report.ScrollToTop();
}

void StarIntelligenceReading(const BirthInput& input, ReportSink& report) {
    if (!HasStoredSign(input)) return;
    report.Clear();
    report.AddLine(input.surname + input.givenName + ",您的星座为" + input.starSign + ",经系统分析如下:");
    report.AddLine("");
    report.AddLine("");
    report.AddLine("    " + std::string(StarSignIqText(input.starSign)));
}

void StarTopicReading(const BirthInput& input, std::string_view table, ReportSink& report) {
    if (HasStoredSign(input)) {
        report.Clear();
        report.AddLine(input.surname + input.givenName + ",您的星座为" + input.starSign + "...");
        report.AddLine("");
        report.AddLine("");
        report.AddLine(StarSignTopicText(input.starSign, table));
    }
    if (table == "ndeq" || table == "baojian") report.ScrollToTop();
}

}  // namespace varnel

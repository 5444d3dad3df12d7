#include <gtest/gtest.h>

#include "gbk_reference.hpp"
#include "text/conversion_error.hpp"
#include "text/date_serial.hpp"
#include "text/gbk.hpp"
#include "text/record_text.hpp"
#include "text/utf8.hpp"
#include "text/trim.hpp"

namespace varnel {
namespace {

TEST(Gbk, ConvertsChineseBothWays) {
    const std::string gbk = ToGbk("张三 A型");
    EXPECT_EQ(gbk, "\xD5\xC5\xC8\xFD A\xD0\xCD");
    EXPECT_EQ(FromGbk(gbk), "张三 A型");
}

TEST(Gbk, CharactersGbkLacksBecomeQuestionMarks) {
    EXPECT_EQ(ToGbk("a😀b"), "a?b");
    EXPECT_EQ(ToGbk("x\xFFy"), "x?y");  // malformed UTF-8
    EXPECT_EQ(FromGbk("\xD5"), "?");      // a lead byte without its trail
}

TEST(Gbk, LengthCountsChineseAsTwoBytes) {
    EXPECT_EQ(GbkLength(""), 0u);
    EXPECT_EQ(GbkLength("abc"), 3u);
    EXPECT_EQ(GbkLength("张三"), 4u);
    EXPECT_EQ(GbkLength("子 23"), 5u);
}

TEST(Gbk, CopyCountsBytes) {
    EXPECT_EQ(GbkCopy("子 23", 4, 2), "23");
    EXPECT_EQ(GbkCopy("子 0", 4, 2), "0");
    EXPECT_EQ(GbkCopy("张三李", 3, 2), "三");
    EXPECT_EQ(GbkCopy("张三", 9, 2), "");  // starting past the end
    EXPECT_EQ(GbkCopy("张三", 2, 2), "??");  // both characters cut in half
    EXPECT_EQ(GbkCopy("abc", 5, 2), "");
}

TEST(Gbk, LengthAndCopyAgreeWithTheConvertedBytes) {
    // Basic ideographs and ASCII (counted without converting), the last ideograph GBK has
    // (U+9FA5) and the first it lacks (U+9FA6), full-width punctuation, an emoji.
    const std::string texts[] = {"子 23", "甲:丑未,乙:子申", "一\xE9\xBE\xA5", "\xE9\xBE\xA6x",
                                 "a：b张", "天😀地", ""};
    for (const std::string& text : texts) {
        EXPECT_EQ(GbkLength(text), ToGbk(text).size()) << text;
        for (std::size_t start = 0; start <= text.size() + 2; ++start) {
            for (std::size_t count = 0; count <= text.size() + 2; ++count) {
                EXPECT_EQ(GbkCopy(text, start, count), testing::GbkCopyThroughBytes(text, start, count))
                    << text << " " << start << " " << count;
            }
        }
    }
    EXPECT_EQ(GbkLength("\xE9\xBE\xA6"), 1u);  // not in GBK: one "?"
    EXPECT_EQ(GbkCopy("张三", 3, std::string::npos), "三");
}

TEST(Trim, RemovesBlanksAndControlCharacters) {
    EXPECT_EQ(Trim(" \t\r\n 甲子 \x01"), "甲子");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("a b"), "a b");
}

TEST(ParseInt, ReadsDecimalNumbersOnly) {
    EXPECT_EQ(ParseInt("1980"), 1980);
    EXPECT_EQ(ParseInt("09"), 9);
    EXPECT_EQ(ParseInt("-3"), -3);
    for (const char* bad : {"", "abc", "12a", "1 2", "99999999999"}) {
        try {
            ParseInt(bad);
            ADD_FAILURE() << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(DateSerial, CountsDaysFrom18991230) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1900, 1, 31), 32);
    EXPECT_EQ(EncodeDate(2101, 1, 1), 73416);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(DecodeDate(-693593), (CivilDate{1, 1, 1}));
    EXPECT_EQ(DecodeDate(36526.75), (CivilDate{2000, 1, 1}));
}

TEST(DateSerial, TimeIsTheFraction) {
    const DateTime moment = EncodeDateTime(2021, 2, 3, 22, 58, 48);
    EXPECT_EQ(FormatDateTime(moment), "2021-02-03 22:58:48");
    const ClockTime t = DecodeTime(moment);
    EXPECT_EQ(t.hour, 22);
    EXPECT_EQ(t.minute, 58);
    EXPECT_EQ(t.second, 48);
    EXPECT_EQ(DatePart(moment), EncodeDate(2021, 2, 3));
    const DateTime late = EncodeDateTime(1999, 12, 31, 23, 59, 59, 999);
    EXPECT_EQ(FormatDateTime(late), "1999-12-31 23:59:59");
    EXPECT_EQ(DecodeTime(late).millisecond, 999);
}

TEST(DateSerial, FormatsWithLeadingZeros) {
    EXPECT_EQ(FormatDate(EncodeDate(1980, 1, 5)), "1980-01-05");
    EXPECT_EQ(FormatDate(EncodeDate(1, 1, 1)), "0001-01-01");
}

TEST(DateSerial, ParsesTypedDatesWithOrWithoutLeadingZeros) {
    EXPECT_EQ(ParseDateText("1980-1-5"), EncodeDate(1980, 1, 5));
    EXPECT_EQ(ParseDateText("1980-01-05"), EncodeDate(1980, 1, 5));
    EXPECT_EQ(ParseDateText("2000-2-29"), EncodeDate(2000, 2, 29));
}

TEST(DateSerial, RejectsAnythingElseWithTheConversionMessage) {
    for (const char* bad : {"1980-2-30", "1900-2-29", "1980-13-1", "1980-0-1", "1980/1/5", "80-1-5",
                            "1980-1-5x", "1980-1", "", "abc", "1980-001-5"}) {
        try {
            ParseDateText(bad);
            ADD_FAILURE() << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid date");
        }
    }
}

}  // namespace
}  // namespace varnel

TEST(RecordText, EncodingsAndLineEnds) {
    using varnel::DecodeRecordText;
    using Lines = std::vector<std::string>;
    EXPECT_EQ(DecodeRecordText("\xEF\xBB\xBF" "甲\r\n\r\n乙\r\n"), (Lines{"甲", "", "乙"}));
    EXPECT_EQ(DecodeRecordText(varnel::ToGbk("姓名：张三\r\n八字\n")), (Lines{"姓名：张三", "八字"}));
    EXPECT_EQ(DecodeRecordText("a\rb"), (Lines{"a", "b"}));
    EXPECT_EQ(DecodeRecordText(""), Lines{});
    EXPECT_TRUE(varnel::IsValidUtf8("张三"));
    EXPECT_FALSE(varnel::IsValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(varnel::IsValidUtf8("\xED\xA0\x80"));  // a surrogate
    EXPECT_FALSE(varnel::IsValidUtf8("\xE5\xBC"));      // cut short
}

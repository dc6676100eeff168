#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <climits>

namespace quorvane {
namespace {

TEST(ParseIniInteger, TakesSignedDecimalAndHex) {
  struct Case {
    std::string_view Text;
    int32_t Value;
  };
  for (const Case& c : {Case{"300", 300}, {"-1", -1}, {"+7", 7}, {"  42", 42}, {"\t-5", -5}, {"007", 7},
                        {"0x1F", 31}, {"0X1f", 31}, {"$1F", 31}, {"-$10", -16}, {"-0x10", -16},
                        {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1},
                        {"0x80000000", INT32_MIN}}) {
    EXPECT_EQ(ParseIniInteger(c.Text), c.Value) << c.Text;
  }
}

TEST(ParseIniInteger, RejectsAnythingThatIsNotAWholeNumber) {
  for (std::string_view text : {"", "  ", "abc", "12abc", "12 ", "1 2", "1.5", "+", "-", "--1", "$", "0x", "x1F",
                                "$-1", "2147483648", "-2147483649", "0x100000000"}) {
    EXPECT_EQ(ParseIniInteger(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(IniDocument, MatchesNamesWithoutCaseAndTheFirstOneWins) {
  IniDocument doc("outside=1\n[Skill]\n Level = 3 \nlevel=4\nEmpty=\nBlank=   \n[SKILL]\nLEVEL=5\nOther=6\n");

  EXPECT_EQ(doc.Get("SKILL", "LEVEL"), "3");
  EXPECT_EQ(doc.Get("skill", "empty"), "");
  EXPECT_EQ(doc.Get("SKILL", "BLANK"), "");
  EXPECT_EQ(doc.Get("SKILL", "OTHER"), std::nullopt);
  EXPECT_EQ(doc.Get("SKILL", "OUTSIDE"), std::nullopt);
  EXPECT_EQ(doc.Get("SOUNDS", "LEVEL"), std::nullopt);

  doc.Set("SKILL", "LEVEL", "9");
  EXPECT_EQ(doc.Text(), "outside=1\n[Skill]\n Level = 9\nlevel=4\nEmpty=\nBlank=   \n[SKILL]\nLEVEL=5\nOther=6\n");
}

TEST(IniDocument, KeepsWindowsLineEndsAndAByteOrderMark) {
  IniDocument doc("\xEF\xBB\xBF[SKILL]\r\nLEVEL=3\r\n");
  EXPECT_EQ(doc.Get("SKILL", "LEVEL"), "3");

  doc.Set("SKILL", "LEVEL", "2");
  doc.Set("SCORE", "HISCORE", "10");
  EXPECT_EQ(doc.Text(), "\xEF\xBB\xBF[SKILL]\r\nLEVEL=2\r\n\r\n[SCORE]\r\nHISCORE=10\r\n");
}

TEST(IniDocument, AValueCannotBreakIntoANewLine) {
  IniDocument doc;
  doc.Set("SCORE", "HINAME", "Bob\n[SKILL]\nLEVEL=4");
  EXPECT_EQ(doc.Text(), "[SCORE]\nHINAME=Bob\n");
}

}  // namespace
}  // namespace quorvane

#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace quorvane {
namespace {

TEST(ParseIniInteger, TakesSignedDecimalAndHex) {
  struct Case {
    std::string_view Text;
    int32_t Value;
  };
  for (const Case& c : {Case{"300", 300},
                        {"-1", -1},
                        {"+7", 7},
                        {"  42", 42},
                        {"\t-5", -5},
                        {"007", 7},
                        {"0x1F", 31},
                        {"0X1f", 31},
                        {"$1F", 31},
                        {"-$10", -16},
                        {"-0x10", -16},
                        {"2147483647", INT32_MAX},
                        {"-2147483648", INT32_MIN},
                        {"$FFFFFFFF", -1},
                        {"0x80000000", INT32_MIN}}) {
    EXPECT_EQ(ParseIniInteger(c.Text), c.Value) << c.Text;
  }
}

TEST(ParseIniInteger, RejectsAnythingThatIsNotAWholeNumber) {
  for (std::string_view text : {"", "  ", "abc", "12abc", "12 ", "1 2", "1.5", "+", "-", "--1", "$", "0x", "x1F", "$-1",
                                "2147483648", "-2147483649", "0x100000000"}) {
    EXPECT_EQ(ParseIniInteger(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(IniDocument, MatchesNamesWithoutCaseAndTheLastValueWins) {
  IniDocument doc("outside=1\n[Skill]\n Level = 3 \nlevel=4\nEmpty=\nBlank=   \n[SKILL]\nLEVEL=5\nOther=6\n");

  EXPECT_EQ(doc.Get("SKILL", "LEVEL"), "5");
  EXPECT_EQ(doc.Get("skill", "empty"), "");
  EXPECT_EQ(doc.Get("SKILL", "BLANK"), "");
  EXPECT_EQ(doc.Get("SKILL", "OTHER"), "6");
  EXPECT_EQ(doc.Get("SKILL", "OUTSIDE"), std::nullopt);
  EXPECT_EQ(doc.Get("SOUNDS", "LEVEL"), std::nullopt);

  // One section and one key remain, where and as they were first spelt.
  doc.Set("SKILL", "LEVEL", "9");
  doc.Set("skill", "NEW", "x");
  EXPECT_EQ(doc.Text(), "outside=1\n\n\n[Skill]\nLevel=9\nEmpty=\nBlank=\nOther=6\nNEW=x\n");
}

TEST(IniDocument, KeepsAByteOrderMarkAndWritesWindowsLineEndsAsNewlines) {
  IniDocument doc("\xEF\xBB\xBF[SKILL]\r\nLEVEL=3\r\n");
  EXPECT_EQ(doc.Get("SKILL", "LEVEL"), "3");

  doc.Set("SKILL", "LEVEL", "2");
  doc.Set("SCORE", "HISCORE", "10");
  EXPECT_EQ(doc.Text(), "\xEF\xBB\xBF[SKILL]\nLEVEL=2\n\n\n[SCORE]\nHISCORE=10\n");
}

TEST(IniDocument, ValuesAreTakenAsTheyStand) {
  IniDocument doc("[A]\nK=<<<END\nX=1\nEND\nQ=\"a\"\n");
  EXPECT_EQ(doc.Get("A", "K"), "<<<END");
  EXPECT_EQ(doc.Get("A", "X"), "1");
  EXPECT_EQ(doc.Get("A", "Q"), "\"a\"");

  IniDocument fresh;
  fresh.Set("SCORE", "HINAME", "Bob\n[SKILL]\nLEVEL=4");
  fresh.Set("SCORE", "OTHER", "Ann\rEve");
  EXPECT_EQ(fresh.Text(), "[SCORE]\nHINAME=Bob\nOTHER=Ann\n");
}

TEST(IniDocument, KnowsWhenItCouldNotTakeInEveryValue) {
  using namespace std::string_literals;
  EXPECT_TRUE(IniDocument("[A]\nno equals sign\n[B\n[C]\nK=1\n; trailing\n").HoldsAllValues());
  EXPECT_FALSE(IniDocument("[A]\nK=1\n[B\nK=2\n").HoldsAllValues());
  EXPECT_FALSE(IniDocument("[A]\r\n[B\r\nK=2\r\n").HoldsAllValues());
  EXPECT_FALSE(IniDocument("[A]\nK=1\n\0[B]\nK=2\n"s).HoldsAllValues());
}

TEST(IniFile, AFailedWriteLeavesTheDocumentAsTheFileHoldsIt) {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-ini-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder = pattern;
  std::ofstream(folder / "config") << "a file where the folder should be\n";

  IniFile file(folder / "config" / "Tolvenix.ini");
  EXPECT_FALSE(file.Write("SCORE", "HISCORE", "900"));
  EXPECT_EQ(file.Read("SCORE", "HISCORE"), std::nullopt);

  std::filesystem::remove(folder / "config");
  EXPECT_TRUE(file.Write("SKILL", "LEVEL", "2"));
  EXPECT_EQ(file.Read("SKILL", "LEVEL"), "2");
  std::ifstream in(folder / "config" / "Tolvenix.ini");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[SKILL]\nLEVEL=2\n");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quorvane

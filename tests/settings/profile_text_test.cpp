#include "settings/profile_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>

#include "settings/settings_store.h"

namespace quorvane {
namespace {

using namespace std::string_literals;

// Signed decimal and hex, each value with the texts that spell it; nothing
// else is a whole number.
TEST(ParseIniInteger, TakesSignedDecimalAndHexAndNothingElse) {
  const std::pair<std::optional<int32_t>, std::vector<std::string_view>> cases[] = {
      {300, {"300"}},
      {-1, {"-1", "$FFFFFFFF"}},
      {7, {"+7", "007"}},
      {42, {"  42"}},
      {-5, {"\t-5"}},
      {31, {"0x1F", "0X1f", "$1F"}},
      {-16, {"-$10", "-0x10"}},
      {INT32_MAX, {"2147483647"}},
      {INT32_MIN, {"-2147483648", "0x80000000"}},
      {std::nullopt,
       {"", "  ", "abc", "12abc", "12 ", "1 2", "1.5", "+", "-", "--1", "$", "0x", "x1F", "$-1", "2147483648",
        "-2147483649", "0x100000000"}},
  };
  for (const auto& [value, texts] : cases)
    for (std::string_view text : texts) EXPECT_EQ(ParseIniInteger(text), value) << '"' << text << '"';
}

TEST(ProfileText, TheFirstSectionAndTheFirstKeyOfANameCount) {
  ProfileText text(
      "outside=1\n[Skill]\n Level = 3 \nlevel=4\nEmpty=\nBlank=   \nQ = \"  a b \" \nK=<<<END\n"
      "[SKILL]\nLEVEL=5\nOther=6\n");
  EXPECT_EQ(text.Get("SKILL", "LEVEL"), "3");
  EXPECT_EQ(text.Get("skill", "empty"), "");
  EXPECT_EQ(text.Get("SKILL", "BLANK"), "");
  EXPECT_EQ(text.Get("SKILL", "Q"), "  a b ");
  EXPECT_EQ(text.Get("SKILL", "K"), "<<<END");
  EXPECT_EQ(text.Get("SKILL", "OTHER"), std::nullopt);  // in the repeated section
  EXPECT_EQ(text.Get("SKILL", "OUTSIDE"), std::nullopt);
  EXPECT_EQ(text.Get("SOUNDS", "LEVEL"), std::nullopt);

  // Only the value changes; a new key follows the section's last key.
  text.Set("SKILL", "LEVEL", "9");
  text.Set("skill", "Q", "\"x\"");
  text.Set("skill", "BLANK", "2");
  text.Set("skill", "New", " padded");
  EXPECT_EQ(text.Get("SKILL", "NEW"), " padded");
  EXPECT_EQ(text.Text(),
            "outside=1\n[Skill]\n Level = 9 \nlevel=4\nEmpty=\nBlank=   2\nQ = \"\"x\"\" \nK=<<<END\n"
            "New=\" padded\"\n[SKILL]\nLEVEL=5\nOther=6\n");
}

TEST(ProfileText, LinesItCannotReadStayAsTheyAre) {
  const std::string original = "\xEF\xBB\xBF[A]\r\nK=1\r\n[B\r\nno equals\rX\0Y=2\r\n; c=3\r\n\xEF\xBB\xBF[C]\r\nL=4"s;
  ProfileText text(original);
  EXPECT_EQ(text.Get("A", "K"), "1");
  for (auto [section, key] : {std::pair{"A", "XY"}, {"A", "X\0Y"}, {"A", "; C"}, {"C", "L"}, {"\xEF\xBB\xBF[C]", "L"}})
    EXPECT_EQ(text.Get(section, key), std::nullopt) << key;

  // Lines that are not headers do not end a section: "L=4" is still in [A],
  // and a key added to [A] follows it. The last line gets an end before the
  // appended section, which takes the CRLF of most lines.
  EXPECT_EQ(text.Get("a", "l"), "4");
  text.Set("A", "K", "5");
  text.Set("A", "M", "6");
  text.Set("C", "L", "7");
  EXPECT_EQ(text.Text(),
            "\xEF\xBB\xBF[A]\r\nK=5\r\n[B\r\nno equals\rX\0Y=2\r\n; c=3\r\n\xEF\xBB\xBF[C]\r\nL=4\r\nM=6\r\n"
            "[C]\r\nL=7\r\n"s);

  ProfileText unended("[A]\rK=1");
  unended.Set("A", "K", "Bob\r\n[B]\nL=1");
  unended.Set("A", "M", "Ann\0Eve"s);
  EXPECT_EQ(unended.Text(), "[A]\rK=Bob\rM=Ann\r");

  // A lone CR must not pair with the LF of the empty line after it.
  ProfileText mostlyCr("[A]\rK=1\n\n[B]\r\r\r");
  mostlyCr.Set("A", "M", "2");
  EXPECT_EQ(mostlyCr.Text(), "[A]\rK=1\nM=2\r\n\n[B]\r\r\r");
}

// The five sections, then the twenty keys, to scatter through random files.
constexpr std::array<std::string_view, 25> kNames{
    "SKILL",    "SOUNDS",          "CUSTOM",     "SCORE",        "POSITION",    "LEVEL",       "WAVFOLDER",
    "PLAYWAVS", "PLAYBALL",        "BALLWAV",    "PLAYGAMEOVER", "GAMEOVERWAV", "PLAYHISCORE", "HISCOREWAV",
    "MOVEMAX",  "SNAKESPEED",      "MAXMAX",     "WALLMAX",      "WALLNUM",     "HISCORE",     "HINAME",
    "MODE",     "CUSTOMDIRECTION", "CUSTOMHPOS", "CUSTOMVPOS"};

struct Line {
  std::string Content, End;
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    size_t end = std::min(text.find_first_of("\r\n"), text.size());
    size_t next = end == text.size() ? end : end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
    lines.push_back({std::string(text.substr(0, end)), std::string(text.substr(end, next - end))});
    text.remove_prefix(next);
  }
  return lines;
}

class RandomFiles {
 public:
  explicit RandomFiles(unsigned seed) : rng_(seed) {}

  std::string File() {
    std::string text = Pick(8) == 0 ? "\xEF\xBB\xBF" : "";
    const int lines = Pick(30);
    for (int i = 0; i < lines; ++i) {
      const int kind = Pick(6);
      if (kind == 0)
        text += Blanks() + "[" + Blanks() + Cased(Pick(6) ? kNames[Pick(5)] : "Mine") + Blanks() + "]" + Blanks();
      else if (kind <= 2)
        text +=
            Blanks() + Cased(Pick(6) ? kNames[5 + Pick(20)] : "Foreign") + Blanks() + "=" + Text(Pick(9) ? 8 : 3000);
      else if (kind == 3)
        text += Pick(2) ? "; a comment = 1" : Blanks();
      else
        text += std::array{"[unclosed"s, "no equals"s, "HIS\0CORE=1"s, "\xEF\xBB\xBF[SCORE]"s, "=1"s}[Pick(5)];
      if (i + 1 < lines || Pick(2)) text += std::array{"\n", "\r\n", "\r"}[Pick(3)];
    }
    return text;
  }

  GameSettings Settings() {
    GameSettings s;
    for (int32_t* number : {&s.Level, &s.MoveMax, &s.SnakeSpeed, &s.MaxMax, &s.WallMax, &s.WallNum, &s.HiScore, &s.Mode,
                            &s.CustomDirection, &s.CustomHPos, &s.CustomVPos})
      *number = static_cast<int32_t>(rng_());
    for (bool* flag : {&s.PlayWavs, &s.PlayBall, &s.PlayGameOver, &s.PlayHiScore}) *flag = Pick(2);
    for (std::string* text : {&s.WavFolder, &s.BallWav, &s.GameOverWav, &s.HiScoreWav, &s.HiName}) *text = Text(12);
    return s;
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::string Blanks() { return std::string(Pick(3) ? 0 : Pick(3), Pick(2) ? ' ' : '\t'); }
  std::string Cased(std::string_view view) {
    std::string name(view);
    for (char& c : name) c = Pick(2) ? static_cast<char>(std::tolower(c)) : c;
    return name;
  }
  std::string Text(int longest) {
    static constexpr std::string_view kChars = "ab \t\"=;[]$0x1F-\xE9";
    std::string text(Pick(longest + 1), ' ');
    for (char& c : text) c = kChars[Pick(kChars.size())];
    return text;
  }

  std::mt19937 rng_;
};

bool IsStoredHeader(const std::string& line) {
  return std::any_of(kNames.begin(), kNames.begin() + 5,
                     [&](auto name) { return line == "[" + std::string(name) + "]"; });
}

TEST(ProfileText, SavingTheSettingsChangesOnlyTheirValues) {
  RandomFiles random(20240611);
  for (int round = 0; round < 400; ++round) {
    const std::string before = random.File();
    const GameSettings saved = random.Settings();
    ProfileText text(before);
    WriteSettings(saved, text);
    const std::string after = text.Text();
    SCOPED_TRACE(testing::PrintToString(before) + " became " + testing::PrintToString(after));

    EXPECT_EQ(ReadSettings(ProfileText(after), "/opt/game/tolvenix"), saved);
    ProfileText again(after);
    WriteSettings(saved, again);
    EXPECT_EQ(again.Text(), after) << "a second save changes nothing";

    // Each line of the old text is in the new one, in order, unchanged or
    // with a new value after its "="; the lines between are added ones. A
    // byte order mark at the start stays there and belongs to no line.
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    ASSERT_EQ(before.starts_with(kMark), after.starts_with(kMark));
    const size_t skip = before.starts_with(kMark) ? kMark.size() : 0;
    const std::vector<Line> oldLines = SplitLines(before.substr(skip)), newLines = SplitLines(after.substr(skip));
    int changedOrAdded = 0;
    size_t j = 0;
    for (size_t i = 0; i < oldLines.size(); ++i, ++j) {
      const Line& old = oldLines[i];
      auto sameKey = [&](const Line& l) {
        const size_t equals = old.Content.find('=');
        return equals != std::string::npos && l.Content.starts_with(old.Content.substr(0, equals + 1));
      };
      for (; j < newLines.size() && newLines[j].Content != old.Content && !sameKey(newLines[j]); ++j) {
        EXPECT_NE(newLines[j].Content.find('='), std::string::npos) << "added line " << j;
        ++changedOrAdded;
      }
      ASSERT_LT(j, newLines.size()) << "old line " << i << " is lost";
      if (newLines[j].Content != old.Content) ++changedOrAdded;
      const bool gainedEnd = i + 1 == oldLines.size() && old.End.empty();
      EXPECT_TRUE(newLines[j].End == old.End || gainedEnd) << "line end of old line " << i;
    }
    for (; j < newLines.size(); ++j) changedOrAdded += !IsStoredHeader(newLines[j].Content);
    EXPECT_LE(changedOrAdded, 20);
  }
}

}  // namespace
}  // namespace quorvane

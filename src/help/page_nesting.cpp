#include "help/page_nesting.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <optional>

namespace quorvane {

namespace {

// Our pages nest 6 elements and 1 table at most; these leave room for more
// without letting a page keep the viewer busy for long.
constexpr qsizetype kMostElements = 32;
constexpr int kMostTables = 4;

bool IsSpace(QChar c) { return c.isSpace(); }

bool IsVoid(const QString& name) {
  static const char* const kVoid[] = {"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                      "input", "link", "meta", "param", "source", "track", "wbr"};
  return std::any_of(std::begin(kVoid), std::end(kVoid), [&](const char* v) { return name == QLatin1String(v); });
}

// Elements whose text may hold what looks like tags: an end tag inside them
// other than their own must not close anything, or it would hide depth.
bool IsRawText(const QString& name) {
  return name == u"style" || name == u"script" || name == u"title" || name == u"textarea";
}

// Reads tags as Qt's HTML parser does: after '<' and blanks, "!--" starts a
// comment to "-->", any other '!' a declaration to the next '>' whatever
// quotes it holds, '/' an end tag; otherwise a start tag, whose name and
// attributes are words that end at a blank, '=', '<', '>' or "/>", and
// whose rest is skipped to the next '>'. A quote is special only at the
// start of a word. Where a reading could differ, the page is refused.
class Scanner {
 public:
  explicit Scanner(QStringView text) : text_(text) {}

  bool TooDeep() {
    while (at_ < text_.size()) {
      if (text_[at_++] != u'<') continue;
      EatSpace();
      if (Next(u"!")) {
        if (Next(u"--")) {
          const qsizetype end = text_.indexOf(u"-->", at_);
          at_ = end < 0 ? text_.size() : end + 3;
        } else {
          const qsizetype end = text_.indexOf(u'>', at_);
          at_ = end < 0 ? text_.size() : end + 1;
        }
        continue;
      }
      const bool end = Next(u"/");
      const std::optional<QString> name = TagName();
      if (!name) return true;
      if (end) {
        if (!FinishTag()) return true;
        Close(*name);
        continue;
      }
      if (!Attributes() || !FinishTag()) return true;
      // "<div/>" counts as open: a closing slash is not trusted to close.
      if (IsVoid(*name)) continue;
      open_.append(*name);
      if (*name == u"table") ++tables_;
      if (open_.size() > kMostElements || tables_ > kMostTables) return true;
    }
    return false;
  }

 private:
  bool Next(QStringView what) {
    if (!text_.mid(at_).startsWith(what)) return false;
    at_ += what.size();
    return true;
  }

  void EatSpace() {
    while (at_ < text_.size() && IsSpace(text_[at_])) ++at_;
  }

  bool AtWordEnd() const {
    const QChar c = text_[at_];
    return IsSpace(c) || c == u'=' || c == u'<' || c == u'>' ||
           (c == u'/' && at_ + 1 < text_.size() && text_[at_ + 1] == u'>');
  }

  // A word without quotes, as Qt reads one; an empty one where none starts.
  QStringView PlainWord() {
    const qsizetype start = at_;
    while (at_ < text_.size() && !AtWordEnd()) ++at_;
    return text_.mid(start, at_ - start);
  }

  // Qt reads a quoted name, and a name's entities, as the name they spell:
  // none of those is ours, so they are refused rather than spelt out. A '<'
  // right away is a tag without a name, which Qt nests all the same.
  std::optional<QString> TagName() {
    EatSpace();
    if (at_ < text_.size() && (text_[at_] == u'"' || text_[at_] == u'\'')) return std::nullopt;
    const QStringView name = PlainWord();
    if (name.contains(u'&')) return std::nullopt;
    return name.toString().toLower();
  }

  // A word in quotes runs to its closing quote. Double quotes only, and
  // holding no '<' or '>': Qt's reading of single quotes, and of a tag
  // split by a quoted '>', is not one to bet the viewer on.
  bool Word() {
    if (at_ >= text_.size()) return true;
    if (text_[at_] == u'\'') return false;
    if (text_[at_] != u'"') {
      PlainWord();
      return true;
    }
    const qsizetype end = text_.indexOf(u'"', at_ + 1);
    if (end < 0) return false;
    const QStringView quoted = text_.mid(at_ + 1, end - at_ - 1);
    at_ = end + 1;
    return !quoted.contains(u'<') && !quoted.contains(u'>');
  }

  bool Attributes() {
    while (at_ < text_.size()) {
      EatSpace();
      if (at_ >= text_.size() || text_[at_] == u'>' || text_[at_] == u'/' || text_[at_] == u'<') return true;
      const qsizetype start = at_;
      if (!Word()) return false;
      if (at_ == start) return true;  // '=' where a name belongs: the rest is skipped
      EatSpace();
      if (Next(u"=")) {
        EatSpace();
        if (!Word()) return false;
      }
    }
    return true;
  }

  // Qt skips to the next '>' whatever lies between, a tag included: a '<'
  // there would be a tag that we count and Qt does not.
  bool FinishTag() {
    while (at_ < text_.size()) {
      const QChar c = text_[at_++];
      if (c == u'>') return true;
      if (c == u'<') return false;
    }
    return true;
  }

  void Close(const QString& name) {
    if (!open_.isEmpty() && IsRawText(open_.last()) && open_.last() != name) return;
    const qsizetype at = open_.lastIndexOf(name);
    if (at < 0) return;
    for (qsizetype i = at; i < open_.size(); ++i)
      if (open_[i] == u"table") --tables_;
    open_.resize(at);
  }

  QStringView text_;
  qsizetype at_ = 0;
  QList<QString> open_;
  int tables_ = 0;
};

}  // namespace

bool NestedTooDeeply(QStringView html) { return Scanner(html).TooDeep(); }

}  // namespace quorvane

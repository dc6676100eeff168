#include "help/page_nesting.h"

#include <QList>
#include <QString>
#include <algorithm>

namespace quorvane {

namespace {

// Our pages nest 6 elements and 1 table at most; these leave room for more
// without letting a page keep the window busy for long.
constexpr qsizetype kMostElements = 32;
constexpr int kMostTables = 4;

bool IsSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

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

class Scanner {
 public:
  explicit Scanner(QStringView text) : text_(text) {}

  bool TooDeep() {
    while (at_ < text_.size()) {
      if (text_[at_++] != u'<') continue;
      if (Next(u"!--")) {
        const qsizetype end = text_.indexOf(u"-->", at_);
        at_ = end < 0 ? text_.size() : end + 3;
      } else if (Next(u"!") || Next(u"?")) {
        SkipTag();
      } else if (Next(u"/")) {
        Close(Name());
        SkipTag();
      } else if (const QString name = Name(); !name.isEmpty()) {
        // "<div/>" counts as open: a closing slash is not trusted to close.
        SkipTag();
        if (IsVoid(name)) continue;
        open_.append(name);
        if (name == u"table") ++tables_;
        if (open_.size() > kMostElements || tables_ > kMostTables) return true;
      }
    }
    return false;
  }

 private:
  bool Next(QStringView what) {
    if (!text_.mid(at_).startsWith(what)) return false;
    at_ += what.size();
    return true;
  }

  // The tag's name as Qt reads it, blanks before it included, in lower case.
  QString Name() {
    while (at_ < text_.size() && IsSpace(text_[at_])) ++at_;
    const qsizetype start = at_;
    while (at_ < text_.size() && !IsSpace(text_[at_]) && text_[at_] != u'>' && text_[at_] != u'/') ++at_;
    return text_.mid(start, at_ - start).toString().toLower();
  }

  // To the end of the tag, past quoted values, which may hold '>'. A '<'
  // outside quotes is left to be read as the next tag.
  void SkipTag() {
    while (at_ < text_.size()) {
      if (text_[at_] == u'<') return;
      const QChar c = text_[at_++];
      if (c == u'>') return;
      if (c == u'"' || c == u'\'') {
        const qsizetype end = text_.indexOf(c, at_);
        at_ = end < 0 ? text_.size() : end + 1;
      }
    }
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

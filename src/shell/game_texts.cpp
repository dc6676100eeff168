#include "shell/game_texts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <iterator>

namespace quorvane {

namespace {

constexpr char kContext[] = "quorvane::GameTexts";

// Whole texts, as the libraries give them.
const char* const kFixedTexts[] = {
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Game over"),
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Paused"),
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Pa&use"),
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Res&ume"),
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Easy"),
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Intermediate"),
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Difficult"),
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Custom"),
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Could not load sound file."),
};

// Leading words followed by a number or a file name.
const char* const kLeadingTexts[] = {
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Score : "),
    QT_TRANSLATE_NOOP("quorvane::GameTexts", "Hi : "),
};

// Leading words that make a sentence with the file name after them: the
// translation places the name (%1) and ends the sentence in its own way,
// where English leaves the full stop to the error report.
const struct {
  const char* words;
  const char* sentence;
} kLeadingSentences[] = {
    {"Unable to write to ", QT_TRANSLATE_NOOP("quorvane::GameTexts", "Unable to write to %1")},
};

}  // namespace

QString GameText(const std::string& text) {
  const auto fixed = std::find(std::begin(kFixedTexts), std::end(kFixedTexts), text);
  if (fixed != std::end(kFixedTexts)) return QCoreApplication::translate(kContext, *fixed);
  for (const char* leading : kLeadingTexts) {
    if (text.starts_with(leading))
      return QCoreApplication::translate(kContext, leading) + QString::fromStdString(text.substr(std::strlen(leading)));
  }
  for (const auto& leading : kLeadingSentences) {
    if (text.starts_with(leading.words))
      return QCoreApplication::translate(kContext, leading.sentence)
          .arg(QString::fromStdString(text.substr(std::strlen(leading.words))));
  }
  return QString::fromStdString(text);
}

}  // namespace quorvane

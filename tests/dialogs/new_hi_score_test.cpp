#include "dialogs/new_hi_score_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include "settings/settings_paths.h"
#include "settings/settings_store.h"
#include "support/controls.h"

namespace quorvane {
namespace {

using testing::Control;

// A name typed, pasted or set longer than the settings file gives back is
// held at 2,047 bytes of UTF-8, at a whole character, and what is held
// comes back whole from the file. 'é' takes two bytes, U+1F600 four.
TEST(NewHiScoreDialog, NameFieldHoldsWhatTheSettingsFileGivesBack) {
  const QString e = QStringLiteral("\u00e9"), smile = QString::fromUcs4(U"\U0001F600");
  enum How { Typed, Pasted, Set };
  struct Row {
    How Way;
    QString Before;
    int Cursor;
    QString Input;
    QString Held;
  };
  const Row rows[] = {
      {Typed, QString(2046, 'a'), 2046, e, QString(2046, 'a')},  // one byte short of a whole 'é'
      {Typed, QString(2045, 'a'), 2045, e + "b", QString(2045, 'a') + e},
      {Pasted, "", 0, e.repeated(1500), e.repeated(1023)},
      {Pasted, "ab", 1, smile.repeated(750), "a" + smile.repeated(511) + "b"},  // the text around it stays
      {Set, "", 0, QString(3000, 'x'), QString(2047, 'x')},
  };
  QTemporaryDir folder;
  const SettingsLocation where{folder.filePath("Tolvenix.ini").toStdString(), "/opt/tolvenix/tolvenix"};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Input.left(3).toStdString());
    TForm4 dialog(nullptr);
    auto* name = Control<QLineEdit>(dialog, "Edit1");
    name->setText(row.Before);
    name->setCursorPosition(row.Cursor);
    for (const QChar c : row.Way == Typed ? row.Input : QString()) {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
      QApplication::sendEvent(name, &key);
    }
    if (row.Way == Pasted) {
      QApplication::clipboard()->setText(row.Input);
      name->paste();
    }
    if (row.Way == Set) name->setText(row.Input);
    EXPECT_EQ(name->text(), row.Held);

    GameSettings saved = DefaultSettings(where.ProgramPath), loaded;
    saved.HiName = dialog.Name().toStdString();
    SaveSettings(saved, where);
    LoadSettings(loaded, where);
    EXPECT_EQ(QString::fromStdString(loaded.HiName), row.Held);
  }
}

}  // namespace
}  // namespace quorvane

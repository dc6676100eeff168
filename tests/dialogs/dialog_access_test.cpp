#include <gtest/gtest.h>

#include <QAccessible>
#include <QRadioButton>
#include <QSlider>

#include "dialog_fakes.h"
#include "dialogs/about_box.h"
#include "dialogs/options_dialog.h"
#include "support/controls.h"
#include "support/window_test_support.h"
#include "widgets/link_labels.h"

namespace quorvane::testing {
namespace {

QString Heard(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

TEST(DialogAccess, EveryControlIsNamedAndATabStop) {
  RecordingHelp help;
  QtWavFileBrowser browser;  // never asked
  bool helpOpened = false;
  TForm3 options(nullptr, help, helpOpened, browser);
  EXPECT_EQ(Heard(Control<QLineEdit>(options, "Edit9")), "Horizontal position");
  EXPECT_EQ(Heard(Control<QLineEdit>(options, "Edit7")), "Play sound for new hi score");
  TForm5 about(nullptr);
  for (QDialog* dialog : {static_cast<QDialog*>(&options), static_cast<QDialog*>(&about)}) {
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
      if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w) && !qobject_cast<QSlider*>(w) &&
          !qobject_cast<TLinkLabelBase*>(w))
        continue;
      EXPECT_FALSE(Heard(w).isEmpty()) << w->metaObject()->className();
      // Spin buttons act on their field, which the Up and Down keys step.
      const bool spin = w->parentWidget()->inherits("quorvane::TUpDown");
      // Radio buttons make one stop per group, which the arrow keys move through.
      const bool radio = qobject_cast<QRadioButton*>(w) != nullptr;
      EXPECT_TRUE(spin || radio || (w->focusPolicy() & Qt::TabFocus)) << Heard(w).toStdString();
    }
  }
}

}  // namespace
}  // namespace quorvane::testing

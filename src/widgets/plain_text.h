#pragma once

#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

namespace quorvane {

// Every label, message box and tooltip of the game shows its text as it is,
// never as markup. Names come from the settings file and the keyboard, paths
// from the file system, and a text read as markup could load a file (an
// <img> of /dev/zero reads for ever), change the look or reach a path.
// Labels, message boxes and tooltips are therefore made only here (the link
// labels, labels of their own kind, take the same format themselves).

// A label showing its text exactly as given.
QLabel* NewLabel(const QString& text, QWidget* parent);
QLabel* NewLabel(QWidget* parent);

// Where a value shown after a caption starts: at its designed place, or a
// space after the caption's words where a language makes them longer.
int AfterCaption(const QLabel& caption, int designedLeft);

// A message box whose text shows exactly as given; otherwise QMessageBox,
// but with its frame centred over its owner's and wide enough for the window
// manager to show its whole title. It is answered by a fresh key press only:
// the repeats of a key held since before it came up go nowhere.
class TMessageBox : public QMessageBox {
  Q_OBJECT
 public:
  TMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons = NoButton,
              QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void WidenForTitle();
  QPointer<QLayout> strutLayout_;  // the layout that holds the strut
  QSpacerItem* strut_ = nullptr;   // owned by that layout
};

}  // namespace quorvane

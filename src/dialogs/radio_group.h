#pragma once

#include <QGroupBox>
#include <QList>

class QAbstractButton;
class QButtonGroup;
class QRadioButton;

namespace quorvane {

// Makes a set of radio buttons one stop for the Tab key, as a group of them
// is: Tab lands on the checked button, or on the first while none is, so a
// stray Space cannot choose another. The arrow keys still move within the set.
void MakeOneTabStop(const QList<QAbstractButton*>& buttons);

// A framed group of radio items, one above the other, of which at most one
// is checked. The item index is that item's number, or -1 while none is.
// Its items are set once, as a list of captions; setting them again only
// renames them.
class TRadioGroup final : public QGroupBox {
  Q_OBJECT
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
 public:
  explicit TRadioGroup(QWidget* parent = nullptr);
  QStringList Items() const;
  void SetItems(const QStringList& captions);

  int ItemIndex() const { return itemIndex_; }
  // Checks the item. An index past the last item checks the last one, and
  // one below 0 checks none.
  void SetItemIndex(int index);

  int Count() const { return items_.size(); }
  QRadioButton* Item(int index) const { return items_.value(index); }

 signals:
  // The item index has changed, by a click or by SetItemIndex.
  void itemIndexChanged(int index);

 private:
  void ItemToggled(int index, bool checked);

  QButtonGroup* group_ = nullptr;
  QList<QRadioButton*> items_;
  int itemIndex_ = -1;
};

}  // namespace quorvane

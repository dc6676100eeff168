#include "dialogs/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvane {

void MakeOneTabStop(const QList<QAbstractButton*>& buttons) {
  if (buttons.isEmpty()) return;
  auto follow = [buttons] {
    QAbstractButton* stop = buttons.front();
    for (QAbstractButton* button : buttons) {
      if (button->isChecked()) {
        stop = button;
        break;
      }
    }
    // The others still take the focus from a click or an arrow key.
    for (QAbstractButton* button : buttons) button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
  };
  for (QAbstractButton* button : buttons) QObject::connect(button, &QAbstractButton::toggled, button, follow);
  follow();
}

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent), group_(new QButtonGroup(this)) {
  // The items share the space inside the frame evenly.
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 0, 8, 2);
  column->setSpacing(0);
}

QStringList TRadioGroup::Items() const {
  QStringList captions;
  for (const QRadioButton* item : items_) captions.append(item->text());
  return captions;
}

void TRadioGroup::SetItems(const QStringList& captions) {
  if (!items_.isEmpty()) {
    for (int i = 0; i < items_.size() && i < captions.size(); ++i) items_[i]->setText(captions[i]);
    return;
  }
  for (int i = 0; i < captions.size(); ++i) {
    auto* item = new QRadioButton(captions[i], this);
    item->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    layout()->addWidget(item);
    group_->addButton(item, i);
    items_.append(item);
    connect(item, &QRadioButton::toggled, this, [this, i](bool checked) { ItemToggled(i, checked); });
  }
  MakeOneTabStop({items_.begin(), items_.end()});
}

void TRadioGroup::SetItemIndex(int index) {
  index = std::clamp(index, -1, static_cast<int>(items_.size()) - 1);
  if (index == itemIndex_) return;
  if (index >= 0) {
    items_[index]->setChecked(true);  // ItemToggled records it
    return;
  }
  // An exclusive group will not let its checked item go.
  group_->setExclusive(false);
  items_[itemIndex_]->setChecked(false);
  group_->setExclusive(true);
  itemIndex_ = -1;
  emit itemIndexChanged(itemIndex_);
}

void TRadioGroup::ItemToggled(int index, bool checked) {
  if (!checked || index == itemIndex_) return;
  itemIndex_ = index;
  emit itemIndexChanged(itemIndex_);
}

}  // namespace quorvane

#include "shell/status_bar.h"

#include <QLabel>

#include "widgets/accessibility.h"
#include "widgets/plain_text.h"

namespace quorvane {

namespace {
constexpr int kRightEdges[TStatusBar::PanelCount - 1] = {129, 258, 387};
// Names for screen readers, which otherwise know a panel only by its text.
const char* const kPanelNames[TStatusBar::PanelCount] = {
    QT_TRANSLATE_NOOP("quorvane::TStatusBar", "Game state"), QT_TRANSLATE_NOOP("quorvane::TStatusBar", "Score"),
    QT_TRANSLATE_NOOP("quorvane::TStatusBar", "Hi score"), QT_TRANSLATE_NOOP("quorvane::TStatusBar", "Skill level")};
}  // namespace

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent) {
  setAccessibleName(tr("Status bar"));
  SetAccessibleRole(this, QAccessible::StatusBar);
  for (int i = 0; i < PanelCount; ++i) {
    QLabel* label = NewLabel(this);
    // Not "Panel<n>": those are the main window's own panels.
    label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    label->setIndent(2);
    label->setAccessibleDescription(tr(kPanelNames[i]));
    panels_[static_cast<size_t>(i)] = label;
  }
  PlacePanels();
}

void TStatusBar::SetPanelText(int panel, const QString& text) {
  // A label without an accessible name of its own is known by its text, and
  // tells screen readers when that changes: the panels keep no other name.
  QLabel* label = panels_.at(static_cast<size_t>(panel));
  if (label->text() != text) label->setText(text);
}

QRect TStatusBar::PanelRect(int panel) const {
  const int left = panel == 0 ? 0 : kRightEdges[panel - 1];
  const int right = panel < PanelCount - 1 ? kRightEdges[panel] : width();
  return QRect(left, 0, right - left, height());
}

void TStatusBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlacePanels();
}

void TStatusBar::PlacePanels() {
  for (int i = 0; i < PanelCount; ++i) {
    // Each box is sunken and two pixels apart from its neighbour.
    panels_[static_cast<size_t>(i)]->setGeometry(PanelRect(i).adjusted(0, 2, i < PanelCount - 1 ? -2 : 0, 0));
  }
}

}  // namespace quorvane

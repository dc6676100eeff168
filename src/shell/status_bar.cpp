#include "shell/status_bar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace quorvane {

namespace {
constexpr int kRightEdges[TStatusBar::PanelCount - 1] = {129, 258, 387};
}

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent) { setFixedHeight(BarHeight); }

void TStatusBar::SetPanelText(int panel, const QString& text) {
  QString& slot = texts_.at(static_cast<size_t>(panel));
  if (slot == text) return;
  slot = text;
  update(PanelRect(panel));
}

QRect TStatusBar::PanelRect(int panel) const {
  const int left = panel == 0 ? 0 : kRightEdges[panel - 1];
  const int right = panel < PanelCount - 1 ? kRightEdges[panel] : width();
  return QRect(left, 0, right - left, height());
}

void TStatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int i = 0; i < PanelCount; ++i) {
    // Each panel is a sunken box two pixels apart from its neighbour.
    const QRect box = PanelRect(i).adjusted(0, 2, i < PanelCount - 1 ? -2 : 0, 0);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = box;
    frame.lineWidth = 1;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(box.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     texts_[static_cast<size_t>(i)]);
  }
}

}  // namespace quorvane

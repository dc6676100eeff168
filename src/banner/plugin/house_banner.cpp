#include "banner/plugin/house_banner.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <array>

#include "product/product.h"

namespace quorvane {

namespace {

constexpr std::array<const char*, 6> kHints = {
    QT_TRANSLATE_NOOP("quorvane::THouseBanner", "Steer with the arrow keys, or with the four arrow buttons."),
    QT_TRANSLATE_NOOP("quorvane::THouseBanner", "Each blue blob is worth 100 points, and every step 10 more."),
    QT_TRANSLATE_NOOP("quorvane::THouseBanner", "The snake speeds up as it grows: plan your turns early."),
    QT_TRANSLATE_NOOP("quorvane::THouseBanner", "Swallowed blobs bring new walls. Keep an open lane."),
    QT_TRANSLATE_NOOP("quorvane::THouseBanner", "Need a break? Pause holds the snake where it is."),
    QT_TRANSLATE_NOOP("quorvane::THouseBanner", "Set your own pace with the Custom skill level in Options."),
};

QFont Pixels(QFont font, int height, bool bold) {
  font.setPixelSize(height);
  font.setBold(bold);
  return font;
}

// The largest font up to `height` pixels in which the text fits the width.
QFont Fitting(const QFont& base, int height, const QString& text, qreal width) {
  QFont font = Pixels(base, height, false);
  while (font.pixelSize() > 7 && QFontMetricsF(font).horizontalAdvance(text) > width)
    font.setPixelSize(font.pixelSize() - 1);
  return font;
}

// A short snake heading for a blob, like the game's own board.
void DrawSnake(QPainter& p, const QRectF& area) {
  const qreal cell = area.width() / 5.5;
  const qreal y = area.center().y() - cell / 2;
  p.setPen(QPen(QColor(0, 60, 0), 1));
  p.setBrush(QColor(40, 200, 40));
  for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(area.left() + i * cell, y, cell - 1, cell - 1), 3, 3);
  p.setBrush(QColor(90, 255, 90));
  p.drawEllipse(QRectF(area.left() + 3 * cell, y - 1, cell + 1, cell + 1));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(area.left() + 3 * cell + cell * 0.45, y + cell * 0.15, cell * 0.35, cell * 0.35));
  p.setPen(QPen(QColor(0, 0, 120), 1));
  p.setBrush(QColor(40, 90, 255));
  p.drawEllipse(QRectF(area.left() + 4.6 * cell, y + cell * 0.1, cell * 0.8, cell * 0.8));
}

}  // namespace

THouseBanner::THouseBanner(QWidget* parent) : QWidget(parent) {
  hintTimer_ = new QTimer(this);
  hintTimer_->setInterval(HintInterval);
  connect(hintTimer_, &QTimer::timeout, this, &THouseBanner::NextHint);
}

bool THouseBanner::Load(std::span<const std::byte> block) {
  block_ = ReadFlexBlock(block);
  UpdateTimer();
  updateGeometry();
  update();
  return block_.has_value();
}

QVariant THouseBanner::Property(int dispId) const {
  if (!block_) return {};
  switch (static_cast<FlexDispId>(dispId)) {
    case FlexDispId::application: return QString::fromStdU16String(block_->Application);
    case FlexDispId::password: return QString::fromStdU16String(block_->Password);
    case FlexDispId::isOffline: return block_->IsOffline();
    case FlexDispId::position: return block_->Position();
    case FlexDispId::positionFallback: return block_->PositionFallback();
    case FlexDispId::timeSlot: return block_->TimeSlot();
    case FlexDispId::adType: return block_->AdType();
    case FlexDispId::autoStart: return block_->AutoStart();
    case FlexDispId::useAdClient: return block_->UseAdClient();
  }
  return {};
}

QSize THouseBanner::sizeHint() const {
  if (!block_) return QSize(468, 60);
  return QSize(HimetricToPixels(block_->WidthHimetric), HimetricToPixels(block_->HeightHimetric));
}

QString THouseBanner::Hint() const { return tr(kHints[hint_]); }

void THouseBanner::NextHint() {
  hint_ = (hint_ + 1) % static_cast<int>(kHints.size());
  update();
}

void THouseBanner::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  UpdateTimer();
}

void THouseBanner::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  UpdateTimer();
}

// The hints change only while someone can see them.
void THouseBanner::UpdateTimer() {
  if (block_ && isVisible()) {
    if (!hintTimer_->isActive()) hintTimer_->start();
  } else {
    hintTimer_->stop();
  }
}

void THouseBanner::paintEvent(QPaintEvent*) {
  if (!block_) return;  // refused or not yet configured: the strip stays empty
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient sky(area.topLeft(), area.bottomLeft());
  sky.setColorAt(0, QColor(10, 40, 20));
  sky.setColorAt(1, QColor(0, 0, 0));
  p.setPen(QPen(QColor(40, 160, 60), 1));
  p.setBrush(sky);
  p.drawRect(area);

  const qreal h = height();
  DrawSnake(p, QRectF(10, 0, h * 1.3, h));
  const qreal textLeft = 16 + h * 1.3;
  const QRectF textArea(textLeft, 2, width() - textLeft - 6, h - 4);

  p.setPen(QColor(255, 230, 0));
  p.setFont(Pixels(font(), qMax(8, int(h * 0.33)), true));
  p.drawText(textArea, Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(ProductName));
  p.setPen(QColor(150, 200, 160));
  p.setFont(Pixels(font(), qMax(6, int(h * 0.2)), false));
  p.drawText(textArea, Qt::AlignRight | Qt::AlignTop, tr("a game by %1").arg(QString::fromLatin1(StudioName)));
  p.setPen(Qt::white);
  const QString hint = Hint();
  p.setFont(Fitting(font(), qMax(7, int(h * 0.22)), hint, textArea.width()));
  p.drawText(textArea, Qt::AlignLeft | Qt::AlignBottom, hint);
}

}  // namespace quorvane

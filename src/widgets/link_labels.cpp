#include "widgets/link_labels.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QUrl>
#include <stdexcept>

#include "qt_glue/handler_errors.h"
#include "widgets/accessibility.h"

namespace quorvane {

namespace {

// The refusal goes to the general error report, as an error in a click
// handler would.
void ReportRefusal(const QString& link) {
  const QString text = QCoreApplication::translate("quorvane::LinkOpener", "Unable to open %1.").arg(link);
  ReportHandlerErrors([&] { throw std::runtime_error(text.toStdString()); });
}

// The desktop's opener, xdg-open, gets the link exactly as given: one
// argument, no shell, nothing trimmed or encoded. Only where there is none
// does the toolkit's opener take it, which must first make a URL of it.
class DesktopLinkOpener final : public LinkOpener {
 public:
  void OpenLink(const QString& link) override {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
      if (!QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode))) ReportRefusal(link);
      return;
    }
    // Owned by the application: the opener may outlive the window clicked.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(opener);
    process->setArguments({link});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (environment.value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")) == QLatin1String(NoSessionBusAddress))
      environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    process->setProcessEnvironment(environment);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);  // its reasons, for whoever reads them
    QObject::connect(process, &QProcess::finished, process, [process, link](int code, QProcess::ExitStatus status) {
      process->deleteLater();
      // Not when it was stopped, as happens when the game ends before it.
      if (status == QProcess::NormalExit && code != 0) ReportRefusal(link);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, link](QProcess::ProcessError error) {
      if (error != QProcess::FailedToStart) return;
      process->deleteLater();
      ReportRefusal(link);
    });
    process->start();
  }
};

DesktopLinkOpener desktopOpener;
LinkOpener* currentOpener = &desktopOpener;

// Blue, underlined and nothing else; family and size still come from the
// window the label sits in.
void UseLinkLook(QLabel& label) {
  QFont font;
  font.setUnderline(true);
  font.setBold(false);
  font.setItalic(false);
  font.setStrikeOut(false);
  label.setFont(font);
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  label.setPalette(palette);
}

}  // namespace

LinkOpener& CurrentLinkOpener() { return *currentOpener; }

void SetLinkOpener(LinkOpener* opener) { currentOpener = opener ? opener : &desktopOpener; }

QString TrimBlanks(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first].unicode() <= u' ') ++first;
  while (last > first && text[last - 1].unicode() <= u' ') --last;
  return text.mid(first, last - first);
}

TLinkLabelBase::TLinkLabelBase(QWidget* owner) : QLabel(owner) {
  setTextFormat(Qt::PlainText);
  // Tab reaches it, a click does not: after a click Enter still presses the
  // window's default button instead of following the link again.
  setFocusPolicy(Qt::TabFocus);
  SetAccessibleRole(this, QAccessible::Link);
}

void TLinkLabelBase::Click() { emit clicked(); }

void TLinkLabelBase::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  QLabel::mousePressEvent(event);
}

void TLinkLabelBase::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        event->accept();
        // Once per press: a held key's repeats are taken here and go nowhere,
        // not even to the dialog's default button. On a busy X server a
        // repeat may come unmarked, so the link is followed again only once
        // the key that last followed it was let go, wherever that went: to
        // the error box the link brought up, say.
        if (event->isAutoRepeat() || heldKey_ != 0) return;
        heldKey_ = event->key();
        qApp->installEventFilter(this);
        Click();
        return;
      }
      break;
    default: break;
  }
  QLabel::keyPressEvent(event);
}

bool TLinkLabelBase::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyRelease) {
    const auto* release = static_cast<QKeyEvent*>(event);
    if (release->key() == heldKey_ && !release->isAutoRepeat()) {
      heldKey_ = 0;
      qApp->removeEventFilter(this);
    }
  }
  return QLabel::eventFilter(watched, event);
}

void TLinkLabelBase::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  // A label draws no focus of its own; show where Space and Enter will act.
  QPainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void TLinkLabelBase::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = event->button() == Qt::LeftButton && pressed_ && rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) ReportHandlerErrors([this] { Click(); });
}

TUrlLabel::TUrlLabel(QWidget* owner) : TLinkLabelBase(owner) { UseLinkLook(*this); }

void TUrlLabel::SetURL(const QString& value) {
  if (value == url_) return;
  url_ = value;
}

void TUrlLabel::Click() {
  TLinkLabelBase::Click();
  if (TrimBlanks(url_).isEmpty()) throw std::runtime_error(tr("Error: Property URL not Specified").toStdString());
  // Handed on as stored: surrounding blanks are the opener's business.
  CurrentLinkOpener().OpenLink(url_);
}

TEmaillabel::TEmaillabel(QWidget* owner) : TLinkLabelBase(owner) { UseLinkLook(*this); }

void TEmaillabel::SetSubject(const QString& value) {
  if (value == subject_) return;
  subject_ = value;
}

void TEmaillabel::SetRecipient(const QString& value) {
  if (value == recipient_) return;
  recipient_ = value;
}

QString TEmaillabel::MailtoLink() const { return QStringLiteral("mailto:") + recipient_ + "?subject=" + subject_; }

void TEmaillabel::Click() {
  TLinkLabelBase::Click();
  if (TrimBlanks(recipient_).isEmpty())
    throw std::runtime_error(tr("Error: Please Specify a Recipients Email Address").toStdString());
  CurrentLinkOpener().OpenLink(MailtoLink());
}

}  // namespace quorvane

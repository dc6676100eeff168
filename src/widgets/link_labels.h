#pragma once

#include <QLabel>
#include <QString>

namespace quorvane {

// Hands a link (a web address or a "mailto:" link) to whatever opens it.
// The desktop's opener reports a link it cannot open through the general
// error report, as "Unable to open <link>".
class LinkOpener {
 public:
  virtual ~LinkOpener() = default;
  virtual void OpenLink(const QString& link) = 0;
};

// The session bus address the program sets where the session names no bus,
// so that no library it loads starts one (shell/single_copy.h). The
// desktop's opener is handed the player's environment, without it.
inline constexpr char NoSessionBusAddress[] = "disabled:";

// The opener the link labels use: the desktop's default handler unless
// another was set. SetLinkOpener(nullptr) restores the desktop's.
LinkOpener& CurrentLinkOpener();
void SetLinkOpener(LinkOpener* opener);

// The text without every leading and trailing character whose code is up
// to and including the space (blanks and control characters).
QString TrimBlanks(const QString& text);

// The shared base of the link labels: a plain label that reports a click
// (a left press and release on it) as clicked(). It is also a stop for the
// Tab key, where Space or Enter click it, and screen readers know it as a
// link they can follow. A click leaves the keyboard focus where it was.
class TLinkLabelBase : public QLabel {
  Q_OBJECT
 public:
  explicit TLinkLabelBase(QWidget* owner = nullptr);

  // What a click does, for the keyboard and for assistive tools.
  Q_INVOKABLE void Activate() { Click(); }

 signals:
  void clicked();

 protected:
  // The ordinary click handling; the link labels add theirs after it.
  virtual void Click();

  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Watches the whole application for the letting go of the key held.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool pressed_ = false;
  int heldKey_ = 0;  // the key that last followed the link, until let go
};

// A label that opens its URL with the desktop's web handler when clicked.
class TUrlLabel : public TLinkLabelBase {
  Q_OBJECT
  Q_PROPERTY(QString URL READ URL WRITE SetURL)
 public:
  explicit TUrlLabel(QWidget* owner = nullptr);

  QString URL() const { return url_; }
  void SetURL(const QString& value);

 protected:
  // Throws std::runtime_error when URL is blank.
  void Click() override;

 private:
  QString url_;
};

// A label that starts a new mail to Recipient, with Subject, when clicked.
class TEmaillabel : public TLinkLabelBase {
  Q_OBJECT
  Q_PROPERTY(QString Subject READ Subject WRITE SetSubject)
  Q_PROPERTY(QString Recipient READ Recipient WRITE SetRecipient)
 public:
  explicit TEmaillabel(QWidget* owner = nullptr);

  QString Subject() const { return subject_; }
  void SetSubject(const QString& value);
  QString Recipient() const { return recipient_; }
  void SetRecipient(const QString& value);

  // The link a click opens: both values as they are, nothing encoded.
  QString MailtoLink() const;

 protected:
  // Throws std::runtime_error when Recipient is blank.
  void Click() override;

 private:
  QString subject_;
  QString recipient_;
};

}  // namespace quorvane

#include "widgets/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMetaObject>
#include <QVariant>
#include <QWidget>

namespace quorvane {

namespace {

constexpr char kRoleProperty[] = "quorvaneAccessibleRole";

class RoledWidget final : public QAccessibleWidget {
 public:
  RoledWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    // A label is known by what it shows, as the toolkit's own labels are.
    if (t == QAccessible::Name && text.isEmpty())
      if (auto* label = qobject_cast<QLabel*>(widget())) text = label->text();
    return text;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (CanActivate()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action == pressAction() && CanActivate()) {
      QMetaObject::invokeMethod(widget(), "Activate", Qt::QueuedConnection);
      return;
    }
    QAccessibleWidget::doAction(action);
  }

 private:
  bool CanActivate() const {
    return role() == QAccessible::Link && widget()->isEnabled() &&
           widget()->metaObject()->indexOfMethod("Activate()") >= 0;
  }
};

QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  const QVariant role = widget->property(kRoleProperty);
  if (!role.isValid()) return nullptr;
  return new RoledWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void SetAccessibleRole(QWidget* widget, QAccessible::Role role) {
  static const bool installed = [] {
    QAccessible::installFactory(RoleFactory);
    return true;
  }();
  (void)installed;
  widget->setProperty(kRoleProperty, static_cast<int>(role));
  // The toolkit may already have made and kept an interface for the widget
  // while it was being constructed; let the next question make ours.
  if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget); made && made->role() != role)
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

QString SpokenCaption(const QString& caption) {
  QString spoken;
  spoken.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    // "&&" is a real ampersand; a single "&" marks the access key.
    if (caption[i] == u'&') {
      if (i + 1 < caption.size() && caption[i + 1] == u'&') spoken += u'&';
      ++i;
      if (i < caption.size() && caption[i] != u'&') spoken += caption[i];
      continue;
    }
    spoken += caption[i];
  }
  spoken = spoken.trimmed();
  if (spoken.endsWith(u':')) spoken = spoken.chopped(1).trimmed();
  return spoken;
}

}  // namespace quorvane

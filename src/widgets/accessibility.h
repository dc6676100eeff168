#pragma once

#include <QAccessible>

class QWidget;

namespace quorvane {

// Gives a widget the role a screen reader should announce, where the
// toolkit would guess one from its class (a plain widget is a "client", a
// label "static text"). Call it before the widget is first shown.
// A Link widget with an invokable Activate() also offers the press action,
// so assistive tools can follow it.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

// A caption as a screen reader should say it: without its access-key
// marks, surrounding blanks and a closing colon ("&Vertical position :" is
// "Vertical position").
QString SpokenCaption(const QString& caption);

}  // namespace quorvane

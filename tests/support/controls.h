#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <ostream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace quorvane::testing {

// A window's control by the name it has in the window's design. Throws when
// there is none, which fails the test that asked.
template <class T>
T* Control(const QObject& window, const char* name) {
  T* control = window.findChild<T*>(QString::fromLatin1(name));
  if (control == nullptr) throw std::logic_error(std::string("no control named ") + name);
  return control;
}

// One getter's answer for each named control, in the order named, for one
// matcher to check them all: Read(dialog, {"Edit1", "Edit2"}, &QLineEdit::text).
template <class T, class R>
std::vector<std::decay_t<R>> Read(const QObject& window, const QStringList& names, R (T::*get)() const) {
  std::vector<std::decay_t<R>> values;
  for (const QString& name : names) values.push_back((Control<T>(window, name.toLatin1().constData())->*get)());
  return values;
}

}  // namespace quorvane::testing

// Failed matchers show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace quorvane::testing {

// Sets (or, given a null value, unsets) an environment variable for as long
// as this lives, then puts back what was there, also when a test returns
// early on a failed ASSERT.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value) : name_(name), saved_(qgetenv(name)) {
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
  }
  ~ScopedEnv() { saved_.isNull() ? qunsetenv(name_) : qputenv(name_, saved_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  QByteArray saved_;
};

}  // namespace quorvane::testing

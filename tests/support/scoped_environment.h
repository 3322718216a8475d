#pragma once
// Environment variables set for as long as the object lives (a fresh home
// for a test, say), then put back as they were.

#include <QByteArray>
#include <QMap>
#include <QString>

namespace tavlo {

class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() {
    for (auto old = saved_.cbegin(); old != saved_.cend(); ++old) {
      if (old.value().isNull()) {
        qunsetenv(old.key().constData());
      } else {
        qputenv(old.key().constData(), old.value());
      }
    }
  }
  void Set(const char* name, const QString& value) {
    if (!saved_.contains(name)) {
      saved_[name] = qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray();
    }
    qputenv(name, value.toLocal8Bit());
  }

 private:
  // A null value: the variable was not set.
  QMap<QByteArray, QByteArray> saved_;
};

}  // namespace tavlo

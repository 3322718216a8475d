#pragma once
// A notifier for ui tests: counts beeps and keeps messages instead of showing
// a modal box. Installed for its lifetime.

#include <QStringList>

#include "common/notifier.h"

namespace tavlo {

class RecordingNotifier final : public Notifier {
 public:
  RecordingNotifier() : previous_(Install(this)) {}
  ~RecordingNotifier() override { Install(previous_); }
  RecordingNotifier(const RecordingNotifier&) = delete;
  RecordingNotifier& operator=(const RecordingNotifier&) = delete;

  void BeepInformation() override { ++informationBeeps; }
  void BeepWarning() override { ++warningBeeps; }
  void Message(const QString& text) override { messages << text; }

  int informationBeeps = 0;
  int warningBeeps = 0;
  QStringList messages;

 private:
  Notifier* previous_;
};

}  // namespace tavlo

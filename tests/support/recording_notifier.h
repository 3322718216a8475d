#pragma once
// A notifier for ui tests: counts beeps and keeps messages, as the learner
// would read them, instead of showing a modal box, and answers questions as
// told. Installed for its lifetime.

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
  void ShowMessage(const QString& text) override { messages << text; }
  bool AskQuestion(const QString& text) override {
    questions << text;
    return answer;
  }

  int informationBeeps = 0;
  int warningBeeps = 0;
  QStringList messages;
  QStringList questions;
  // What every question is answered.
  bool answer = true;

 private:
  Notifier* previous_;
};

}  // namespace tavlo

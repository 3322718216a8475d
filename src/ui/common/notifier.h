#pragma once
// Beeps and message boxes go through one notifier, so tests can count the
// beeps and read the messages without a modal box blocking them.

#include <QString>

namespace tavlo {

class Notifier {
 public:
  virtual ~Notifier() = default;
  // The system's information sound: a refused bid, card or key.
  virtual void BeepInformation();
  // The system's exclamation sound: a selected card that fails to follow suit.
  virtual void BeepWarning();
  // A plain message box with an OK button.
  virtual void Message(const QString& text);
  // A question with Yes and No buttons; true for Yes.
  virtual bool Ask(const QString& text);

  // The notifier in force; a plain one unless another was installed.
  static Notifier& Current();
  // Installs notifier (nullptr restores the plain one) and returns the one it replaces.
  static Notifier* Install(Notifier* notifier);
};

}  // namespace tavlo

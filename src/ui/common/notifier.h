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
  // A plain message box with an OK button, the message said in the
  // language of the messages, with the suits' signs for their "~" marks.
  void Message(const QString& text);
  // A question with Yes and No buttons, in the language of the messages;
  // true for Yes.
  bool Ask(const QString& text);

  // The language of the messages and questions (0 English .. 5 Swedish):
  // the table's language. English until it is set.
  static void SetLanguage(int language);

  // The notifier in force; a plain one unless another was installed.
  static Notifier& Current();
  // Installs notifier (nullptr restores the plain one) and returns the one it replaces.
  static Notifier* Install(Notifier* notifier);

 protected:
  // Shows the message as it stands.
  virtual void ShowMessage(const QString& text);
  // Asks the question as it stands; true for Yes.
  virtual bool AskQuestion(const QString& text);
};

}  // namespace tavlo

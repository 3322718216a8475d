#pragma once
// The help command: the help file of the player's language, opened at its
// table of contents, or at the topic of what the player is looking at, in the
// help viewer.

#include <QString>
#include <memory>

class QWidget;

#include "language/languages.h"

namespace tavlo {

class HelpViewer;

inline constexpr char HelpContentsTopic[] = "Contents";
inline constexpr char HelpMissingMessage[] = "The Tavlo .HLP system is not availalbe.";

class HelpSystem {
 public:
  // The help files lie in dataFolder; English is chosen until a language is.
  explicit HelpSystem(QString dataFolder);
  ~HelpSystem();
  HelpSystem(const HelpSystem&) = delete;
  HelpSystem& operator=(const HelpSystem&) = delete;

  // A language switch chooses that language's help file.
  void ChooseHelpFile(int language);
  // The full path of the chosen help file.
  QString HelpFile() const;

  // Opens the chosen help file at topic (an anchor of the file), or warns
  // that it is missing. A viewer not yet shown opens on the screen of table,
  // beside it where the screen has room. Returns whether the help is shown.
  bool ShowTopic(const QString& topic, const QWidget* table = nullptr);
  // The same at "Contents".
  bool ShowContents() { return ShowTopic(HelpContentsTopic); }
  // The table closes: the viewer closes with it.
  void Quit();
  // The viewer once help has been shown, else nullptr.
  HelpViewer* Viewer() const { return viewer_.get(); }

 private:
  QString dataFolder_;
  int language_ = English;
  std::unique_ptr<HelpViewer> viewer_;
};

}  // namespace tavlo

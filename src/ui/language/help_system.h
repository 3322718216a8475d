#pragma once
// The help command: the help file of the player's language, opened at its
// table of contents in the help viewer.

#include <QString>
#include <memory>

#include "language/languages.h"

namespace tavlo {

class THelpViewer;

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

  // Opens the chosen help file at "Contents", or warns that it is missing.
  // Returns whether the help is shown.
  bool ShowContents();
  // The table closes: the viewer closes with it.
  void Quit();
  // The viewer once help has been shown, else nullptr.
  THelpViewer* Viewer() const { return viewer_.get(); }

 private:
  QString dataFolder_;
  int language_ = English;
  std::unique_ptr<THelpViewer> viewer_;
};

}  // namespace tavlo

#pragma once
// The lesson packs the program ships and the learner's marks on their
// hands. The packs are read once, when the learner first opens the lessons;
// the marks follow the hands the learner plays from them: the auction's
// mark when it is over, the play's when the hand is scored, with par worked
// out on the worker afterwards. Every mark is written to the progress file
// at once, so a crash loses none.

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "handfile/lesson_pack.h"
#include "handfile/lesson_progress.h"
#include "model/result.h"

namespace tavlo {

class GameSession;

class LessonLibrary : public QObject {
  Q_OBJECT
 public:
  // The packs lie in packsFolder; the marks are kept in progressFile.
  LessonLibrary(GameSession& session, QString packsFolder, QString progressFile,
                QObject* parent = nullptr);

  // What went wrong reading them: a pack that cannot be read is left out; a
  // damaged progress file is replaced by an empty one. Nothing stops the
  // lessons.
  struct LoadProblems {
    std::vector<Reason> Packs;
    std::optional<Reason> Progress;
  };
  // Reads the packs and the marks, the first time only.
  LoadProblems Load();
  bool Loaded() const { return loaded_; }

  const std::vector<LessonPack>& Packs() const { return packs_; }
  const LessonProgress& Progress() const { return progress_; }

  // Deals hand number hand (from 1) of pack number pack.
  bool Play(std::size_t pack, int hand);
  // The next hand the learner has not tried, in pack order; none when every
  // hand was tried.
  std::optional<PackHand> NextHand() const { return NextUntriedHand(packs_, progress_); }

 signals:
  // The marks changed (and were written).
  void ProgressChanged();
  // The progress file could not be written: the marks live on until the
  // program ends.
  void ProgressNotSaved(const QString& why);

 private:
  void AuctionOver();
  void HandOver();
  void Save();

  GameSession& session_;
  QString packsFolder_, progressFile_;
  bool loaded_ = false;
  std::vector<LessonPack> packs_;
  LessonProgress progress_;
};

}  // namespace tavlo

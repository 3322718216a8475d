#include "session/lesson_library.h"

#include <utility>

#include "analysis/double_dummy.h"
#include "common/worker.h"
#include "game/play_flow.h"
#include "session/game_session.h"

namespace tavlo {

LessonLibrary::LessonLibrary(GameSession& session, QString packsFolder, QString progressFile,
                             QObject* parent)
    : QObject(parent),
      session_(session),
      packsFolder_(std::move(packsFolder)),
      progressFile_(std::move(progressFile)) {
  connect(&session_, &GameSession::AuctionOver, this, &LessonLibrary::AuctionOver);
  connect(&session_, &GameSession::HandOver, this, &LessonLibrary::HandOver);
}

LessonLibrary::LoadProblems LessonLibrary::Load() {
  LoadProblems problems;
  if (loaded_) return problems;
  loaded_ = true;
  const std::string folder = packsFolder_.toStdString();
  const Result<std::vector<std::string>> names = LessonPackNames(folder);
  if (!names) problems.Packs.push_back(names.Why());
  for (const std::string& name : names ? *names : std::vector<std::string>{}) {
    Result<LessonPack> pack = ReadLessonPack(folder, name);
    if (pack) {
      packs_.push_back(std::move(*pack));
    } else {
      problems.Packs.push_back(pack.Why());
    }
  }
  Result<LessonProgress> progress = ReadLessonProgress(progressFile_.toStdString());
  if (progress) {
    progress_ = std::move(*progress);
  } else {
    // The marks are lost either way; an empty file lets the next ones be kept.
    problems.Progress = progress.Why();
    Save();
  }
  return problems;
}

bool LessonLibrary::Play(std::size_t pack, int hand) {
  return session_.PlayPackHand(packs_.at(pack), hand);
}

void LessonLibrary::AuctionOver() {
  const TableState& table = session_.GameState().Table;
  if (table.PackHand.empty()) return;
  MarkAuction(progress_, table.PackHand, !table.AuctionHelped);
  Save();
}

void LessonLibrary::HandOver() {
  const Game& game = session_.GameState();
  const std::string key = game.Table.PackHand;
  if (key.empty()) return;
  MarkPlay(progress_, key, ContractMade(game), game.Table.HandScore);
  Save();
  // Par takes the solver a moment; the marks stand without it meanwhile.
  // It is the deal's, so a hand already tried may have it.
  if (progress_.at(key).Par) return;
  session_.Jobs().Run(
      [deal = game.Table.Deal, vulnerability = game.Record.Vulnerability,
       dealer = game.Auction.Dealer](JobControl&) -> std::optional<int> {
        const Result<TrickTable> table = DoubleDummyTable(deal);
        if (!table) return std::nullopt;
        const Result<ParResult> par = ParOfDeal(*table, vulnerability, dealer);
        return par ? std::optional<int>(par->ScoreNorthSouth) : std::nullopt;
      },
      [this, key](std::optional<int> par) {
        if (!par) return;
        MarkPar(progress_, key, *par);
        Save();
      });
}

void LessonLibrary::Save() {
  if (const Status saved = SaveLessonProgress(progressFile_.toStdString(), progress_); !saved)
    emit ProgressNotSaved(QString::fromStdString(saved.Error()));
  emit ProgressChanged();
}

}  // namespace tavlo

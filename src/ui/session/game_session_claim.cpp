// The claim command of the running game: the check runs on the worker, as
// the engine's cards do, and its verdict comes back to the table.

#include "analysis/claim.h"
#include "common/notifier.h"
#include "common/worker.h"
#include "game/claim_flow.h"
#include "session/game_session.h"

namespace tavlo {

namespace {

struct ClaimAnswer {
  ClaimVerdict Verdict;
  std::vector<Card> Rest;  // the play written for an accepted claim
};

Result<ClaimAnswer> JudgeClaim(const PlayOut& play, SeatCode declarer, int tricks,
                               JobControl& job) {
  Result<ClaimVerdict> verdict = CheckClaim(play, {ClaimingSeat, declarer}, tricks, &job);
  if (!verdict) return verdict.Why();
  ClaimAnswer answer{std::move(*verdict), {}};
  if (!answer.Verdict.Accepted) return answer;
  Result<std::vector<Card>> rest = ClaimedPlay(play, SideOfSeat(ClaimingSeat), tricks, &job);
  if (!rest) return rest.Why();
  answer.Rest = std::move(*rest);
  return answer;
}

}  // namespace

bool GameSession::ClaimUnderWay() const { return claiming_ && worker_->Busy(); }

void GameSession::CancelClaim() {
  if (!ClaimUnderWay()) return;
  worker_->Cancel();
  claiming_ = false;
}

void GameSession::Claim(int tricks) {
  if (!CanClaim(game_) || Busy() || tricks < 0 || tricks > TricksLeftToClaim(game_)) return;
  const Result<PlayOut> play = ReplayRecord(game_.Hands, game_.Play);
  if (!play) {
    Notifier::Current().Message(QString::fromStdString(play.Error()));
    return;
  }
  Tell({});
  claiming_ = true;
  worker_->Run(
      [play = *play, declarer = game_.Play.Declarer, tricks](JobControl& job) {
        return JudgeClaim(play, declarer, tricks, job);
      },
      [this, tricks](Result<ClaimAnswer> answer) {
        claiming_ = false;
        if (!answer) {
          Notifier::Current().Message(QString::fromStdString(answer.Error()));
          return;
        }
        if (!answer->Verdict.Accepted) {
          Notifier::Current().BeepInformation();
          Tell({.Kind = FeedbackKind::ClaimRefused,
                .Seat = answer->Verdict.Beater,
                .Shortfall = answer->Verdict.Shortfall,
                .Defence = answer->Verdict.Defence});
          emit ClaimRefused();
          return;
        }
        emit Changed(AcceptClaim(game_, answer->Rest, tricks, clock_, worker_->LogicErrorStop()));
        emit HandOver();
      },
      [this] { claiming_ = false; });
}

}  // namespace tavlo

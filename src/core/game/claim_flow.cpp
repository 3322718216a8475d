#include "game/claim_flow.h"

namespace tavlo {

bool CanClaim(const Game& game) {
  return game.Table.TablePhase == Phase::Play && game.Play.CardsPlayed > 0 && !HandIsOver(game);
}

int TricksLeftToClaim(const Game& game) { return 13 - game.Play.TricksDone; }

Redraw AcceptClaim(Game& game, std::span<const Card> rest, int tricks, const Clock& clock,
                   const LogicErrorHandler& onLogicError) {
  const int left = TricksLeftToClaim(game);
  const bool declaring = SideOfSeat(game.Play.Declarer) == SideOfSeat(ClaimingSeat);
  const int declarerTricks = game.Play.DeclarerTricks + (declaring ? tricks : left - tricks);
  game.Table.Claim = ClaimNote{game.Play.CardsPlayed, ClaimingSeat, tricks};
  Redraw parts = Redraw::Nothing;
  for (const Card card : rest) parts = parts | MakePlay(game, card, clock, onLogicError);
  // The record's play is a legal one that gives the claim where the cards
  // allow it; the score is the claim's either way.
  game.Play.DeclarerTricks = declarerTricks;
  return parts | EndOfHand(game);
}

}  // namespace tavlo

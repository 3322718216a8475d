#include "engine/card_choice.h"

#include "engine/analyse_position.h"

namespace tavlo {

namespace {

// Tricks the opponents of the entry's side have won so far.
int LosersOf(const PlayState& play, bool defending) {
  return defending ? play.DeclarerTricks : play.TricksDone - play.DeclarerTricks;
}

// Declarer's tricks in the whole hand from the losers of the entry's side,
// and back.
int TurnedOver(int tricks, bool defending) { return defending ? tricks : 13 - tricks; }

}  // namespace

Card ForcedCard(const PlayContext& context) {
  const PlayState& play = context.Play;
  const THands& hand = HandToPlay(context.Hands, play);
  if (play.CardsPlayed >= 48) {
    for (int suit = 0; suit < 4; ++suit)
      if (hand.Suits[suit].Cards != 0) return hand.Suits[suit].Cards | static_cast<Card>(suit);
    return 0;
  }
  if (play.TrickPosition != 1 && hand.Suits[play.SuitLed].Length == 1)
    return hand.Suits[play.SuitLed].Cards | static_cast<Card>(play.SuitLed);
  return 0;
}

int CandidateCount(const PositionEntry& entry) {
  int count = 0;
  while (count < 3 && entry.Candidates[count] != 0) ++count;
  return count;
}

PositionEntry InitEntry(const PlayContext& context, const EngineState& engine) {
  const PlayState& play = context.Play;
  PositionEntry entry;
  for (int k = 0; k < 4; ++k)
    entry.Candidates[k] = static_cast<std::uint16_t>(engine.Analysis.Candidates[k]);
  entry.Position = play.CardsPlayed;
  entry.Width = context.Search.Testwidth;
  entry.Defending = DefenderToPlay(play.ToPlay, play.Declarer) == 1;
  return entry;
}

void RestorePosition(PlayContext& context, int position) {
  PlayState& play = context.Play;
  while (play.CardsPlayed > position) TakeBack(context);
  while (play.CardsPlayed < position) PlayCard(context, play.PlayRecord[play.CardsPlayed].Card);
}

Card SearchEntry(PlayContext& context, EngineState& engine, int index,
                 const TestPlayDisplay& display) {
  PlayState& play = context.Play;
  SearchState& search = context.Search;
  PositionCache& cache = engine.Positions;
  // Entries are reached by index: a line adds entries, which may move them.
  const int position = cache[index].Position;
  const bool defending = cache[index].Defending;
  // Taking tricks back restores the cards and the counters, not what the
  // trick before left behind (its winner, the record past this position):
  // each line starts from the whole state as it was.
  const PlayState start = play;
  // A search asked to stop leaves each line where it stands, back up to
  // the table's position; its card is thrown away.
  while (!Stopped(context.Job)) {
    const PositionEntry& entry = cache[index];
    if (entry.NextIndex > entry.Width || entry.NextIndex > 3 ||
        entry.Candidates[entry.NextIndex] == 0)
      break;
    // One line: this candidate, then the engine's cards for all four seats
    // until the hand ends or the line cannot beat the best one.
    int projection = -1;
    int losers = 0;
    do {
      Card card;
      if (play.CardsPlayed == position) {
        if (position == search.TablePosition) {
          search.TimeLimit = search.ThinkingTime * 4.0 / CandidateCount(cache[index]);
          search.Testwidth = 3;
          search.Totplay = 0;
        }
        card = cache[index].Candidates[cache[index].NextIndex];
        projection = -1;
      } else {
        card = ChooseCard(context, engine, projection, display);
      }
      PlayCard(context, card);
      losers = LosersOf(play, defending);
    } while (play.CardsPlayed < 52 && losers < cache[index].BestLosers && !Stopped(context.Job));

    PositionEntry& tried = cache[index];
    tried.LastResult =
        projection >= 0 && projection <= 13 ? TurnedOver(projection, defending) : losers;
    if (tried.NextIndex == 0 || tried.LastResult < tried.BestLosers) {
      tried.BestIndex = tried.NextIndex;
      tried.BestLosers = tried.LastResult;
      tried.Projection = TurnedOver(tried.LastResult, defending);
    }
    if (position == search.DebugPosition && display) {
      search.ProjectedLosers = tried.LastResult;
      if (display(context, tried)) tried.NextIndex = 3;
    }
    ++tried.NextIndex;
    RestorePosition(context, position);
    play = start;
    if (play.CardsPlayed == search.TablePosition) {
      cache[index].Width = 3;
      search.Totplay = 0;
    }
  }

  PositionEntry& entry = cache[index];
  entry.Chosen = static_cast<std::int16_t>(entry.Candidates[entry.BestIndex]);
  // Without a time-out in force the decision stands for the rest of the
  // hand: the entry keeps only the chosen card.
  if (search.Testwidth == 3) entry.Candidates = {static_cast<std::uint16_t>(entry.Chosen), 0, 0, 0};
  entry.DecidedAt = search.TablePosition;
  return static_cast<Card>(entry.Chosen);
}

Card ChooseCard(PlayContext& context, EngineState& engine, int& projection,
                const TestPlayDisplay& display) {
  projection = -1;
  if (const Card forced = ForcedCard(context)) return forced;

  PositionCache& cache = engine.Positions;
  const PackedKey key = PackedPositionKey(context);
  int index = cache.Find(key);
  if (index < 0) {
    AnalysePosition(context, engine);
    if (engine.Analysis.Candidates[1] == 0) return engine.Analysis.Candidates[0];
    index = cache.Add(key, InitEntry(context, engine));
    return SearchEntry(context, engine, index, display);
  }

  if (context.Search.DeveloperSearch && context.Search.Totplay == 0) {
    // The developer's root is searched afresh.
    AnalysePosition(context, engine);
    cache[index] = InitEntry(context, engine);
  }
  const PositionEntry& entry = cache[index];
  if (entry.Candidates[1] == 0) {
    projection = entry.Projection;
    return entry.Candidates[0];
  }
  if (entry.DecidedAt == context.Play.CardsPlayed) return static_cast<Card>(entry.Chosen);
  const Card card = SearchEntry(context, engine, index, display);
  projection = cache[index].Projection;
  return card;
}

}  // namespace tavlo

#pragma once
// The engine thinks away from the table: each card it is asked for is
// chosen on a copy of the game on a worker thread, while the window keeps
// painting with the wait cursor and holds the user's input back. The card
// comes back on the table's thread, with what the search found taken over
// into the table's game, so the answer is the one the table's own thread
// would have given.

#include <QFutureWatcher>
#include <QObject>
#include <functional>
#include <memory>

#include "engine/card_choice.h"
#include "game/game.h"
#include "model/clock.h"

namespace tavlo {

class EngineThinker : public QObject {
  Q_OBJECT
 public:
  EngineThinker(Game& game, const Clock& clock, QObject* parent);
  // A search still running is waited for: its copy must not outlive the table.
  ~EngineThinker() override;

  // Asks for the card of the seat to play; done gets it on the table's
  // thread. display, when given, shows the developer each line searched at
  // the debug position, modally on the table's thread.
  void Think(std::function<void(Card)> done, const TestPlayDisplay& display = nullptr);
  bool Thinking() const { return static_cast<bool>(done_); }

  // The consistency stop of the play: its message shown on the table's
  // thread, whichever thread broke the invariant, before the program ends.
  LogicErrorHandler LogicErrorStop();

 private:
  void Finished();
  // Runs step on the table's thread and waits for it.
  void OnTableThread(const std::function<void()>& step);

  Game& game_;
  const Clock& clock_;
  QFutureWatcher<Card> watcher_;
  std::unique_ptr<Game> copy_;
  std::function<void(Card)> done_;
};

}  // namespace tavlo

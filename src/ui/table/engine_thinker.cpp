#include "table/engine_thinker.h"

#include <QApplication>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

#include "common/notifier.h"
#include "game/play_flow.h"

namespace tavlo {

EngineThinker::EngineThinker(Game& game, const Clock& clock, QObject* parent)
    : QObject(parent), game_(game), clock_(clock) {
  connect(&watcher_, &QFutureWatcher<Card>::finished, this, &EngineThinker::Finished);
}

EngineThinker::~EngineThinker() {
  if (!Thinking()) return;
  watcher_.waitForFinished();
  QApplication::restoreOverrideCursor();
}

void EngineThinker::OnTableThread(const std::function<void()>& step) {
  if (QThread::currentThread() == thread()) {
    step();
    return;
  }
  QMetaObject::invokeMethod(this, step, Qt::BlockingQueuedConnection);
}

LogicErrorHandler EngineThinker::LogicErrorStop() {
  return [this](const std::string& message) {
    OnTableThread([&message] { Notifier::Current().Message(QString::fromStdString(message)); });
  };
}

void EngineThinker::Think(std::function<void(Card)> done, const TestPlayDisplay& display) {
  done_ = std::move(done);
  copy_ = std::make_unique<Game>(game_);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  TestPlayDisplay shown;
  if (display) {
    shown = [this, display](const PlayContext& context, const PositionEntry& entry) {
      bool closed = false;
      OnTableThread([&] { closed = display(context, entry); });
      return closed;
    };
  }
  watcher_.setFuture(QtConcurrent::run([this, copy = copy_.get(), shown, stop = LogicErrorStop()] {
    return EngineCard(*copy, clock_, stop, shown);
  }));
}

void EngineThinker::Finished() {
  QApplication::restoreOverrideCursor();
  TakeOverSearch(game_, std::move(*copy_));
  copy_.reset();
  const std::function<void(Card)> done = std::exchange(done_, nullptr);
  done(watcher_.result());
}

}  // namespace tavlo

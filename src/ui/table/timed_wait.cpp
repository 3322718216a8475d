#include "table/timed_wait.h"

#include <QEventLoop>
#include <QTimer>

namespace tavlo {

void WaitUntilSecondsSince(const Clock& clock, double start, double seconds) {
  if (SecondsSince(clock, start) >= seconds) return;
  QEventLoop loop;
  QTimer tick;
  tick.setInterval(20);
  QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
    if (SecondsSince(clock, start) >= seconds) loop.quit();
  });
  tick.start();
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tavlo

#pragma once
// Runs the event loop until the condition holds; generous, so a loaded machine only takes longer. For the
// tests whose peers talk over real sockets.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

namespace tarvel::test {

inline bool WaitFor(const std::function<bool()>& done, int ms = 20000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::usleep(200);
  }
  return true;
}

}  // namespace tarvel::test

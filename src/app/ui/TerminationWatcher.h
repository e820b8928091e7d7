#pragma once

#include <QObject>

class QSocketNotifier;

namespace climora {

// Turns SIGTERM, SIGINT and SIGHUP (a session that logs out, Ctrl+C in a
// terminal) into a normal close of the main window, so that shutdown runs.
class TerminationWatcher : public QObject {
    Q_OBJECT
  public:
    explicit TerminationWatcher(QObject* parent = nullptr);

  signals:
    void terminationRequested();

  private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace climora

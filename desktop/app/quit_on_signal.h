// SIGTERM, SIGINT and SIGHUP end the game as closing its window does: the event loop is left
// and everything is torn down in order, without a core dump.
#pragma once

#include <QObject>

namespace app {

// Needs a running QCoreApplication; installs the handlers once. Nothing in the game holds the
// event loop, so the end comes at once.
void quitOnTerminationSignals(QObject* parent);

}  // namespace app

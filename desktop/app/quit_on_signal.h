// SIGTERM, SIGINT and SIGHUP end the game as closing its window does: the event loop is left
// and everything is torn down in order, without a core dump.
#pragma once

#include <QObject>

namespace app {

// Needs a running QCoreApplication; installs the handlers once. Returns a descriptor that turns
// readable when such a signal has come (-1 if none could be made).
int quitOnTerminationSignals(QObject* parent);

}  // namespace app

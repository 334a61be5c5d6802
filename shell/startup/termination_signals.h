#pragma once

// SIGTERM, SIGHUP and SIGINT (the end of a desktop session, a closed terminal,
// Ctrl+C) end the program the way Exit does, so that the unsaved edits are kept on the
// way out rather than lost with the process.
void quitOnTerminationSignals();

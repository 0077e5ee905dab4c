#pragma once

class QObject;

namespace staffel::app {

// SIGTERM, SIGHUP and SIGINT (the session's end, a closed terminal, Ctrl+C) end the event loop
// as the last window would, so that what is kept at the end of a run, the tape, is kept then
// too. The handler only writes to a pipe that the event loop watches. Call once, with the
// application running its loop.
void endeBeiSignal(QObject* app);

}  // namespace staffel::app

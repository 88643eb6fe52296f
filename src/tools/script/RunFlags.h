#pragma once
// The run state of an interpreter; all false at rest.

namespace zt::script {

struct RunFlags {
  bool running = false;
  bool stopRequested = false;
  bool breakRequested = false;
  bool continueRequested = false;
  bool exitRequested = false;
  bool paused = false;

  // Set flags make every enclosing block end at its next statement.
  bool LeavesBlock() const { return stopRequested || breakRequested || continueRequested || exitRequested; }
  // ...and every enclosing loop after its current round.
  bool EndsLoop() const { return stopRequested || breakRequested || exitRequested; }
};

} // namespace zt::script

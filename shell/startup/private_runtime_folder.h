#pragma once

// A run without a window (exported pictures, the commands on files) still starts the
// toolkit, which wants the user's runtime folder (XDG_RUNTIME_DIR) and, where there
// is none (as root in a bare shell), prints a warning of its own before the run's
// result. Such a run gets a private runtime folder instead: made before the toolkit
// starts, with the owner-only mode the toolkit requires, and removed when the process
// ends, however it ends normally. Nothing happens when XDG_RUNTIME_DIR names a folder.
void usePrivateRuntimeFolder();

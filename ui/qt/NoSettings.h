// The program stores nothing between runs.
#pragma once

namespace ign {

// Keeps Qt's own file dialog from reading or writing its history, last
// folder and view state in the user's QtProject.conf. Call before the first
// dialog is built.
void DisableStoredSettings();

}  // namespace ign

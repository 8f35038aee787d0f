#pragma once

namespace tvk {
// The application's resources live in a static library: its users pull them in explicitly.
void initAppResources();
// Settings the process needs before its application object exists: the map's web engine
// draws in software and runs without its sandbox when the program runs as root (Chromium
// refuses to start otherwise).
void prepareApplicationEnvironment();
} // namespace tvk

#pragma once

namespace tvk {
// The application's resources live in a static library: its users pull them in explicitly.
void initAppResources();
} // namespace tvk

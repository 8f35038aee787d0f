#pragma once

#include <cstring>

// The folders an export is built in before it is renamed into place. They lie beside the
// target, which may be on the card, so the catalogue walk knows their names and keeps out.
inline constexpr char kPartialFolderPrefix[] = ".tavik-partial-";

inline bool isPartialFolderName(const char *name)
{
    return std::strncmp(name, kPartialFolderPrefix, sizeof kPartialFolderPrefix - 1) == 0;
}

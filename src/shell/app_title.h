#pragma once

#include "build_config.h"

// The application title, on every message box, and the caption its windows show.
inline const char* const kAppTitle = "Lunavik";
inline const char* const kWindowCaption = "Lunavik v" LUNAVIK_VERSION_TEXT;

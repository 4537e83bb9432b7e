#pragma once

#include "MessageSink.h"
#include "TemplateData.h"

#include <optional>
#include <string>

namespace zelt {

// Bytes the key area needs for the current key contents, terminators included, exactly as
// BuildKeyArea will lay them out (with the RM0480's "KeyLock" copy made first).
int KeyAreaBytesNeeded(const TemplateData& data);

// The message for contents that need more than the key area holds, or nothing when they fit.
// Building such a template would silently cut key records, so it must never be written.
std::optional<std::string> CheckKeyAreaFits(const TemplateData& data);

// Everything that must hold before the key area is built for a file or the keyboard: every key
// content is valid and all of them fit. Shows the message of the first failure.
bool CanBuildKeyArea(const TemplateData& data, MessageSink& messages);

} // namespace zelt

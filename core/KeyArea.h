#pragma once

#include "MessageSink.h"
#include "TemplateData.h"

namespace zelt {

// Key numbers of the RM0480's "KeyLock" key and of the key that mirrors it.
inline constexpr int kKeyLockKey = 161;
inline constexpr int kKeyLockMirrorKey = 122;

// 1968 minus the sum over all keys of (encoded size + 1); negative when the contents do not
// fit. Refreshes every key's blank-key flag on the way.
int GetSpaceLeft(TemplateData& data);

// Checks every key in key number order; at the first invalid one shows kWrongWordMessage and
// returns false.
bool ValidateAllKeys(const TemplateData& data, MessageSink& messages);

// Encodes all key contents into image bytes 0..1967 and recomputes the record index.
void BuildKeyArea(TemplateData& data);

} // namespace zelt

#pragma once

#include "MessageSink.h"
#include "TemplateData.h"

#include <array>
#include <optional>
#include <string>

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

// The number of the first key (1..176) whose content is invalid, or nothing.
std::optional<int> FindFirstInvalidKey(const TemplateData& data);

// Encodes all key contents into image bytes 0..1967 and recomputes the record index. Key-area
// bytes after the last terminator keep what they held, unless the contents do not fit: then
// the records near the end of the record order are cut (between codes) or left empty and the
// whole key area is written, so that it always holds 176 terminators.
void BuildKeyArea(TemplateData& data);

// On the RM0480 the "KeyLock" key and key 122 are one key: the KeyLock key's content wins when
// it has one, else it takes key 122's. Other models are left alone.
void MirrorKeyLock(std::array<std::string, kKeyCount>& keyContents, int modelCode);

} // namespace zelt

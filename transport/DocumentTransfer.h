#pragma once

#include "MessageSink.h"
#include "TemplateData.h"

#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// Before a write: the selected key's content (when the view has one) and then every key must
// be valid, and the contents must fit into the key area. The first failure is shown and false
// returned, and the document is left as it was. On success all key contents are encoded into
// data.image.
bool PrepareImageForWrite(TemplateData& data, std::optional<std::string_view> selectedKeyContent,
                          MessageSink& messages);

// After a successful read: the image becomes the received one, the key contents are decoded
// from it, and each key's flags are set from its content (blank 0 and defined 1 for a key that
// encodes to something; blank 1 and defined unchanged otherwise).
void RefreshAfterRead(TemplateData& data, const TemplateImage& received);

} // namespace zelt

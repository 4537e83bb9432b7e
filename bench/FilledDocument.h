#pragma once

#include "FakeViewDocument.h"

#include <cstddef>
#include <string>

namespace zelt::bench {

// A document for the editor view's benchmarks whose every key holds text, so that whatever
// walks the contents (painting, the space-left count) walks real ones. The flags are those of
// a template whose keys have all been edited.
inline test::FakeViewDocument FilledDocument(int modelCode) {
    test::FakeViewDocument document(modelCode);
    document.data.blankKeyFlags.fill(0);
    document.data.definedKeyFlags.fill(0);
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        document.data.keyContents[k] = "Key " + std::to_string(k + 1) + "[CR]";
    }
    return document;
}

} // namespace zelt::bench

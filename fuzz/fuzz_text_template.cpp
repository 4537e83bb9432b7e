#include "ModelLayout.h"
#include "TextTemplateFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Any bytes read as a text template, under every model: rows must be applied without reading
// outside the file, and writing the result back and reading it again must give the same
// labels and contents.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const zelt::ModelLayout* layout : zelt::ModelCatalogue()) {
        zelt::KeyTexts labels;
        zelt::KeyTexts contents;
        zelt::ApplyTextTemplate(*layout, bytes, labels, contents);

        const std::string written = zelt::FormatTextTemplate(*layout, labels, contents);
        zelt::KeyTexts labelsAgain;
        zelt::KeyTexts contentsAgain;
        const int rows = zelt::ApplyTextTemplate(*layout, written, labelsAgain, contentsAgain);
        if (rows != layout->keyCount || labelsAgain != labels || contentsAgain != contents) {
            __builtin_trap();
        }
    }
    return 0;
}

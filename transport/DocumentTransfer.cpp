#include "DocumentTransfer.h"

#include "KeyArea.h"
#include "KeyContent.h"
#include "KeyContentDecoder.h"
#include "TemplateFit.h"

namespace zelt {

bool PrepareImageForWrite(TemplateData& data, std::optional<std::string_view> selectedKeyContent,
                          MessageSink& messages) {
    if (selectedKeyContent && !IsAsciiContent(*selectedKeyContent) &&
        !IsScanCodeContent(*selectedKeyContent)) {
        messages.ShowMessage(kWrongWordMessage);
        return false;
    }
    // Every key, not just the selected one: an invalid content elsewhere (after a text import,
    // say) would otherwise be cut into a broken record and sent as if all were well. And
    // contents that do not fit would be cut by the encoder without a word.
    if (!CanBuildKeyArea(data, messages)) {
        return false;
    }
    BuildKeyArea(data);
    return true;
}

void RefreshAfterRead(TemplateData& data, const TemplateImage& received) {
    data.image = received;
    DecodeImage(data);
    for (int k = 0; k < kKeyCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (GetEncodedSize(data.keyContents[i]) > 0) {
            data.blankKeyFlags[i] = 0;
            data.definedKeyFlags[i] = 1;
        } else {
            data.blankKeyFlags[i] = 1;
        }
    }
}

} // namespace zelt

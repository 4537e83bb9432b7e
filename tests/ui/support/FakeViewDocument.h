#pragma once

#include "ModelLayout.h"
#include "view/ViewDocument.h"

namespace zelt::test {

// A document for the view without files or settings: the key contents and flags, and a copy of
// a model's layout that a test may bend (overlapping keys, say).
class FakeViewDocument final : public ViewDocument {
public:
    explicit FakeViewDocument(int modelCode) { SetModel(modelCode); }

    void SetModel(int modelCode) {
        data.modelCode = modelCode;
        layout = LayoutForModel(modelCode);
        labels = layout.labels;
        data.blankKeyFlags.fill(1);
        data.definedKeyFlags.fill(1);
    }

    // Sets the content of the key drawn at a layout position.
    void SetContentAt(int position, std::string content) {
        data.keyContents[static_cast<std::size_t>(KeyAt(position))] = std::move(content);
    }
    int KeyAt(int position) const {
        return layout.positionToKey[static_cast<std::size_t>(position)];
    }

    TemplateData& Data() override { return data; }
    const TemplateData& Data() const override { return data; }
    const ModelLayout& Layout() const override { return layout; }
    const std::array<std::string, kKeyCount>& Labels() const override { return labels; }
    void SetModifiedFlag() override { modified = true; }

    TemplateData data;
    ModelLayout layout;
    std::array<std::string, kKeyCount> labels;
    bool modified = false;
};

} // namespace zelt::test

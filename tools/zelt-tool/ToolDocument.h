#pragma once

#include "CZELTDoc.h"
#include "SettingsStore.h"

namespace zelt::tool {

// The editor's document for one run of a command: the chosen model, an empty template, and
// settings that are not kept, so that a command never changes the editor's chosen model.
class ToolDocument {
public:
    explicit ToolDocument(int modelCode) : doc_(settings_, CurrentDirectory()) {
        doc_.ChangeModel(modelCode);
    }

    CZELTDoc& operator*() { return doc_; }
    CZELTDoc* operator->() { return &doc_; }

private:
    MemorySettingsStore settings_;
    CZELTDoc doc_;
};

} // namespace zelt::tool

#pragma once

#include "CZELTDoc.h"
#include "view/ViewDocument.h"

namespace zelt {

// The template document as the editor view reads it.
class DocumentForView final : public ViewDocument {
public:
    explicit DocumentForView(CZELTDoc& document) : document_(document) {}

    TemplateData& Data() override { return document_; }
    const TemplateData& Data() const override { return document_; }
    const ModelLayout& Layout() const override { return document_.Layout(); }
    const std::array<std::string, kKeyCount>& Labels() const override {
        return document_.keyLabels;
    }
    void SetModifiedFlag() override { document_.SetModifiedFlag(true); }

private:
    CZELTDoc& document_;
};

} // namespace zelt

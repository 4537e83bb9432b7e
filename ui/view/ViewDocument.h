#pragma once

#include "ModelLayout.h"
#include "TemplateData.h"

#include <array>
#include <string>

namespace zelt {

// The document as the editor view sees it: the key contents with their flags, the current
// model's layout tables, and the key labels (which a text import may have replaced). The layout
// may change between calls (a model change), so the view asks for it every time.
class ViewDocument {
public:
    virtual ~ViewDocument() = default;
    virtual TemplateData& Data() = 0;
    virtual const TemplateData& Data() const = 0;
    virtual const ModelLayout& Layout() const = 0;
    // By layout position.
    virtual const std::array<std::string, kKeyCount>& Labels() const = 0;
    // Marks the template as changed, so that closing or replacing it asks to save it first.
    virtual void SetModifiedFlag() = 0;
};

} // namespace zelt

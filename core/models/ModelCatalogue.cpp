#include "ModelCode.h"
#include "ModelLayout.h"
#include "ModelLayouts.h"

#include <array>
#include <cstddef>

namespace zelt {

namespace {

struct Catalogue {
    ModelLayout rm0410 = models::MakeRM0410Layout();
    ModelLayout rm0420 = models::MakeRM0420Layout();
    ModelLayout rm0480 = models::MakeRM0480Layout();
    ModelLayout tk0530 = models::MakeTK0530Layout();
    ModelLayout tk0550 = models::MakeTK0550Layout();
    ModelLayout tk0517 = models::MakeTK0517Layout();
    // The order of the "Key&board" menu.
    std::array<const ModelLayout*, 6> menuOrder = {&rm0410, &rm0420, &rm0480,
                                                   &tk0530, &tk0550, &tk0517};
};

const Catalogue& TheCatalogue() {
    static const Catalogue catalogue;
    return catalogue;
}

} // namespace

const ModelLayout& LayoutForModel(int modelCode) {
    for (const ModelLayout* layout : TheCatalogue().menuOrder) {
        if (layout->modelCode == modelCode) {
            return *layout;
        }
    }
    return TheCatalogue().rm0480;
}

bool IsCatalogueModel(int modelCode) {
    return modelCode >= kModelRM0480 && modelCode <= kModelTK0530;
}

std::span<const ModelLayout* const> ModelCatalogue() {
    return TheCatalogue().menuOrder;
}

int NeighbourKey(const ModelLayout& layout, int direction, int position) {
    if (position < 0 || position >= layout.keyCount) {
        return 0;
    }
    if (direction < 0 || direction >= kDirectionCount) {
        return position;
    }
    return layout
        .neighbours[static_cast<std::size_t>(direction)][static_cast<std::size_t>(position)];
}

} // namespace zelt

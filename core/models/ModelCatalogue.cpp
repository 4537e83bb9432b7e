#include "ModelCode.h"
#include "ModelLayout.h"
#include "ModelLayouts.h"

#include <array>
#include <cstddef>

namespace zelt {

namespace {

// Each layout is built the first time it is asked for: the editor starts with one model, and
// deriving a layout's neighbour tables is most of what building it costs.
template <ModelLayout (*Make)()> const ModelLayout& Built() {
    static const ModelLayout layout = Make();
    return layout;
}

// In the order of the "Key&board" menu.
constexpr std::array<CatalogueModel, 6> kCatalogue = {{
    {kModelRM0410, 32818, &Built<models::MakeRM0410Layout>},
    {kModelRM0420, 32819, &Built<models::MakeRM0420Layout>},
    {kModelRM0480, 32811, &Built<models::MakeRM0480Layout>},
    {kModelTK0530, 32823, &Built<models::MakeTK0530Layout>},
    {kModelTK0550, 32821, &Built<models::MakeTK0550Layout>},
    {kModelTK0517, 32822, &Built<models::MakeTK0517Layout>},
}};

std::array<const ModelLayout*, kCatalogue.size()> AllLayouts() {
    std::array<const ModelLayout*, kCatalogue.size()> layouts{};
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        layouts[i] = &kCatalogue[i].layout();
    }
    return layouts;
}

} // namespace

const ModelLayout& LayoutForModel(int modelCode) {
    for (const CatalogueModel& model : kCatalogue) {
        if (model.modelCode == modelCode) {
            return model.layout();
        }
    }
    return Built<models::MakeRM0480Layout>();
}

bool IsCatalogueModel(int modelCode) {
    return modelCode >= kModelRM0480 && modelCode <= kModelTK0530;
}

std::span<const CatalogueModel> CatalogueModels() {
    return kCatalogue;
}

std::span<const ModelLayout* const> ModelCatalogue() {
    static const auto layouts = AllLayouts();
    return layouts;
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

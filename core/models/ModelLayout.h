#pragma once

#include "TemplateImage.h"

#include <array>
#include <span>
#include <string>

namespace zelt {

// A key's rectangle in the editor view, in unscaled pixels of its client area.
struct KeyRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const KeyRect&) const = default;
};

// Arrow-key directions, numbered as the navigation callers pass them.
enum class Direction : int { Left = 0, Right = 1, Up = 2, Down = 3 };
inline constexpr int kDirectionCount = 4;

// Everything a keyboard model decides: its name and menu entry, how many keys the picture
// shows, where each layout position is drawn, what is written on it, which key number it edits
// and where the arrow keys lead from it. Only the first keyCount entries of each table are
// meaningful; the rest stay zero or empty.
struct ModelLayout {
    int modelCode = 0;
    std::string name;
    int menuCommandId = 0;
    std::string defaultTextFileName;
    bool supportsMr = false;
    int keyCount = 0;

    std::array<std::string, kKeyCount> labels{};
    // Key number - 1 (0..175) edited through each layout position.
    std::array<int, kKeyCount> positionToKey{};
    std::array<KeyRect, kKeyCount> rects{};
    // Layout position selected next from each layout position, by Direction.
    std::array<std::array<int, kKeyCount>, kDirectionCount> neighbours{};
};

// The layout of a model code; every code outside the catalogue gets RM0480's.
const ModelLayout& LayoutForModel(int modelCode);

// True for the six model codes of the catalogue.
bool IsCatalogueModel(int modelCode);

// A model of the catalogue, known without building its layout.
struct CatalogueModel {
    int modelCode = 0;
    int menuCommandId = 0;
    const ModelLayout& (*layout)() = nullptr;
};

// The six models in the order of the "Key&board" menu; their layouts are built on first use.
std::span<const CatalogueModel> CatalogueModels();

// The six layouts in the order of the "Key&board" menu (building all of them).
std::span<const ModelLayout* const> ModelCatalogue();

// The layout position that arrow-key navigation selects next. A position outside
// 0..keyCount-1 yields 0; a direction outside 0..3 leaves the position where it is.
int NeighbourKey(const ModelLayout& layout, int direction, int position);

} // namespace zelt

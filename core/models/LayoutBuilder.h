#pragma once

#include "ModelLayout.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// Helpers that turn the per-model tables into a ModelLayout. The tables themselves live in one
// file per model; these functions only copy and expand them.
namespace zelt::models {

// A run of consecutive layout positions drawn on one line: the i-th key of the run (from 0) is
// drawn at x + step * i. The run is as long as its label list.
struct KeyRun {
    int firstPosition = 0;
    int x = 0;
    int step = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::vector<std::string> labels;
};

// A single left or right move that does not follow the line rule.
struct MoveException {
    Direction direction = Direction::Left;
    int from = 0;
    int to = 0;
};

// prefix + n for n = first..last, n written with at least `digits` digits ("K01").
std::vector<std::string> NumberedLabels(std::string_view prefix, int first, int last,
                                        int digits = 1);

// The labels of `first` followed by those of `second`.
std::vector<std::string> Concat(std::vector<std::string> first,
                                const std::vector<std::string>& second);

// Writes the rectangles and labels of each run. Positions outside the key area are ignored.
void PlaceKeys(ModelLayout& layout, std::span<const KeyRun> runs);

// Sets the position-to-key map from key numbers (1-based) listed by layout position.
void SetKeyNumbers(ModelLayout& layout, std::span<const int> keyNumbers);

// Sets the up and down targets listed by layout position.
void SetVerticalNeighbours(ModelLayout& layout, std::span<const int> up, std::span<const int> down);

// Left and right follow the drawn lines: the previous or next key in x order among the keys
// with the same y, wrapping at both ends. Positions in `skipped` are passed over by their
// neighbours (they can still be left); `exceptions` then override single moves.
void DeriveHorizontalNeighbours(ModelLayout& layout, std::span<const int> skipped,
                                std::span<const MoveException> exceptions);

} // namespace zelt::models

#include "LayoutBuilder.h"

#include <algorithm>
#include <cstddef>

namespace zelt::models {

namespace {

bool InLayout(const ModelLayout& layout, int position) {
    return position >= 0 && position < layout.keyCount;
}

int& Neighbour(ModelLayout& layout, Direction direction, int position) {
    return layout
        .neighbours[static_cast<std::size_t>(direction)][static_cast<std::size_t>(position)];
}

} // namespace

std::vector<std::string> NumberedLabels(std::string_view prefix, int first, int last, int digits) {
    std::vector<std::string> labels;
    for (int n = first; n <= last; ++n) {
        std::string number = std::to_string(n);
        if (static_cast<int>(number.size()) < digits) {
            number.insert(0, static_cast<std::size_t>(digits) - number.size(), '0');
        }
        labels.push_back(std::string(prefix) + number);
    }
    return labels;
}

std::vector<std::string> Concat(std::vector<std::string> first,
                                const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

void PlaceKeys(ModelLayout& layout, std::span<const KeyRun> runs) {
    for (const KeyRun& run : runs) {
        for (std::size_t i = 0; i < run.labels.size(); ++i) {
            const int position = run.firstPosition + static_cast<int>(i);
            if (position < 0 || position >= kKeyCount) {
                continue;
            }
            const auto at = static_cast<std::size_t>(position);
            layout.rects[at] = {run.x + run.step * static_cast<int>(i), run.y, run.width,
                                run.height};
            layout.labels[at] = run.labels[i];
        }
    }
}

void SetKeyNumbers(ModelLayout& layout, std::span<const int> keyNumbers) {
    const std::size_t count = std::min(keyNumbers.size(), layout.positionToKey.size());
    for (std::size_t p = 0; p < count; ++p) {
        layout.positionToKey[p] = keyNumbers[p] - 1;
    }
}

void SetVerticalNeighbours(ModelLayout& layout, std::span<const int> up,
                           std::span<const int> down) {
    for (std::size_t p = 0; p < std::min(up.size(), layout.positionToKey.size()); ++p) {
        Neighbour(layout, Direction::Up, static_cast<int>(p)) = up[p];
    }
    for (std::size_t p = 0; p < std::min(down.size(), layout.positionToKey.size()); ++p) {
        Neighbour(layout, Direction::Down, static_cast<int>(p)) = down[p];
    }
}

void DeriveHorizontalNeighbours(ModelLayout& layout, std::span<const int> skipped,
                                std::span<const MoveException> exceptions) {
    const auto isSkipped = [&](int position) {
        return std::find(skipped.begin(), skipped.end(), position) != skipped.end();
    };
    for (int from = 0; from < layout.keyCount; ++from) {
        const KeyRect& origin = layout.rects[static_cast<std::size_t>(from)];
        // The keys of this line in x order; a skipped key only takes part as the origin.
        std::vector<int> line;
        for (int p = 0; p < layout.keyCount; ++p) {
            if (layout.rects[static_cast<std::size_t>(p)].y == origin.y &&
                (p == from || !isSkipped(p))) {
                line.push_back(p);
            }
        }
        std::stable_sort(line.begin(), line.end(), [&](int a, int b) {
            return layout.rects[static_cast<std::size_t>(a)].x <
                   layout.rects[static_cast<std::size_t>(b)].x;
        });
        const auto at =
            static_cast<std::size_t>(std::find(line.begin(), line.end(), from) - line.begin());
        const std::size_t size = line.size();
        Neighbour(layout, Direction::Left, from) = line[(at + size - 1) % size];
        Neighbour(layout, Direction::Right, from) = line[(at + 1) % size];
    }
    for (const MoveException& exception : exceptions) {
        if (InLayout(layout, exception.from)) {
            Neighbour(layout, exception.direction, exception.from) = exception.to;
        }
    }
}

} // namespace zelt::models

#pragma once

#include "ContentGenerator.h"
#include "KeywordTables.h"
#include "ModelCode.h"
#include "TemplateData.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string>

namespace zelt::testing {

// Inputs at the edges of the key content language, from a fixed seed: generated contents
// joined, mutated and cut at random places; record bytes thick with prefixes, function codes
// and terminators; and whole templates of such contents over such key areas, some fitting and
// some overflowing.
class EdgeCaseGenerator {
public:
    explicit EdgeCaseGenerator(std::uint64_t seed) : random_(seed) {}

    ContentGenerator& Random() { return random_; }

    std::string Text() {
        std::string text = random_.Content(random_.AnyKind());
        if (random_.OneIn(3)) {
            text += random_.Content(random_.AnyKind());
        }
        if (random_.OneIn(6)) {
            for (int i = random_.Below(40); i > 0; --i) {
                text += random_.Content(random_.AnyKind());
            }
        }
        for (int edits = random_.OneIn(2) ? 0 : random_.Below(5); edits > 0; --edits) {
            const std::size_t at =
                static_cast<std::size_t>(random_.Below(static_cast<int>(text.size()) + 1));
            switch (random_.Below(3)) {
            case 0:
                text.insert(at, Fragment());
                break;
            case 1:
                text.erase(at, static_cast<std::size_t>(random_.Below(4)));
                break;
            default:
                text.resize(at);
                break;
            }
        }
        return text;
    }

    // A piece that sits on an edge of the grammar: a keyword, whole or cut, a bracket alone or
    // doubled, a byte that records give a meaning to, a keyword beginning without an end.
    std::string Fragment() {
        if (random_.OneIn(3)) {
            const auto keywords = ScanCodeKeywords();
            const std::string name(
                keywords[static_cast<std::size_t>(random_.Below(static_cast<int>(keywords.size())))]
                    .name);
            if (random_.OneIn(4)) {
                return name.substr(
                    0, static_cast<std::size_t>(random_.Below(static_cast<int>(name.size()))));
            }
            if (random_.OneIn(8)) {
                return name.substr(1);
            }
            return name;
        }
        if (random_.OneIn(4)) {
            return std::string(1, static_cast<char>(random_.Below(256)));
        }
        return std::string(kFragments[static_cast<std::size_t>(
            random_.Below(static_cast<int>(kFragments.size())))]);
    }

    std::string RecordBytes(std::size_t size) {
        static constexpr std::uint8_t kMeaningful[] = {0x00, 0x00, 0x00, 0x0D, 0x5B, 0x5D, 0xFC,
                                                       0xFD, 0xFE, 0xFF, 0xE0, 0xE1, 0xF0, 0x2A,
                                                       0x37, 0x1D, 0x45, 0x1E, 0x54, 0x1C, 0x10};
        std::string bytes(size, '\0');
        const bool dense = random_.OneIn(2);
        for (char& b : bytes) {
            b = static_cast<char>(
                dense || random_.OneIn(2)
                    ? kMeaningful[random_.Below(static_cast<int>(std::size(kMeaningful)))]
                    : random_.Below(256));
        }
        return bytes;
    }

    // Half of the templates hold only contents that isValid accepts; the caller names the
    // judge, so that a test can say which implementation decides.
    template <class IsValid> TemplateData Template(IsValid isValid) {
        TemplateData data;
        data.modelCode = kModels[static_cast<std::size_t>(random_.Below(kModels.size()))];
        data.image = MakeNewImage(data.modelCode);
        const std::string area = RecordBytes(kKeyAreaSize);
        std::copy(area.begin(), area.end(), data.image.begin());
        const int emptyOneIn = 1 + random_.Below(4);
        const int longContents = random_.Below(4);
        const bool validOnly = random_.OneIn(2);
        for (std::string& content : data.keyContents) {
            if (random_.OneIn(emptyOneIn)) {
                continue;
            }
            std::string text;
            do {
                text = Text();
                for (int i = 0; i < longContents; ++i) {
                    text += random_.Content(ContentGenerator::Kind::Ascii);
                }
            } while (validOnly && !isValid(text));
            content = text;
        }
        for (int& flag : data.blankKeyFlags) {
            flag = random_.Below(3);
        }
        data.definedKeyFlags = data.blankKeyFlags;
        return data;
    }

    // The six models and a code outside the catalogue.
    static constexpr std::array<int, 7> kModels = {
        kModelRM0480, kModelRM0410, kModelRM0420, kModelTK0550, kModelTK0517, kModelTK0530, 2099};

    static constexpr std::array<std::string_view, 39> kFragments = {
        "[",
        "]",
        "[[",
        "]]",
        std::string_view("\0", 1),
        "\xFD",
        "\xFF",
        "\xFE",
        "[Delay",
        "[Delay0",
        "[Delay25",
        "[Delay250]",
        "[Delay0001]",
        "[ShiftLevel",
        "[ShiftLevel0]",
        "[ShiftLevel9]",
        "[ShiftLevel5x]",
        "[0E0]",
        "[0F0]",
        "[PrintScreen]",
        "[PauseBreak]",
        "[Ctrl+PrintScreen]",
        "[Ctrl+PauseBreak]",
        "[Alt+PrintScreen]",
        "[Separator]",
        "[Caps]",
        "[CR]",
        "[A]",
        "[a]",
        "[F1]",
        "[]",
        "[[]",
        "[]]",
        "[x]",
        "[Separator",
        "[CR",
        "[WWWFavorites]",
        "abcdefghijklmnop",
        "[ABCDEFGHIJKLMNOPQRSTUVWXYZ]",
    };

private:
    ContentGenerator random_;
};

} // namespace zelt::testing

#include "ModelCode.h"
#include "ModelLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {
namespace {

// The expected tables are written here as the keyboard documentation lists them: key numbers
// 1-based and by layout position, navigation targets by layout position.
constexpr const char* kRM0480KeyNumbers = "14 144 136 135 134 8 7 133 132 131 "
                                          "137 18 6 88 111 101 119 118 117 116 "
                                          "98 97 115 114 113 123 109 89 29 100 "
                                          "83 82 81 73 59 60 74 75 76 95 "
                                          "72 52 92 42 43 44 45 31 32 46 "
                                          "47 48 36 78 13 107 71 69 35 94 "
                                          "23 41 51 26 105 126 127 128 112 104 "
                                          "103 87 86 85 68 67 77 65 15 16 "
                                          "99 58 143 61 90 5 9 139 70 34 "
                                          "62 55 64 129 39 66 80 19 37 17 "
                                          "138 108 1 33 10 140 53 124 106 84 "
                                          "96 21 120 25 27 102 141 56 121 38 "
                                          "93 2 110 161 ";
constexpr const char* kRM0480Up =
    "77 78 79 80 81 82 83 84 85 86 87 88 89 90 91 0 1 2 3 4 5 6 7 8 9 10 11 12 28 15 "
    "16 17 18 19 20 21 22 23 24 25 26 27 29 30 31 32 33 34 35 36 37 38 39 40 42 43 44 "
    "45 46 47 48 49 92 93 94 62 63 64 65 66 67 68 69 70 71 72 73 123 123 55 56 57 95 "
    "96 97 98 99 100 101 102 103 104 105 106 107 57 57 57 57 57 57 58 59 60 61 74 75 "
    "76 120 121 122 108 109 110 111 112 113 114 115 116 117 118 119 54 ";
constexpr const char* kRM0480Down =
    "15 16 17 18 19 20 21 22 23 24 25 26 27 41 41 29 30 31 32 33 34 35 36 37 38 39 40 "
    "41 28 42 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 57 57 57 57 57 58 59 60 "
    "77 78 79 80 101 102 103 104 65 66 67 68 69 70 71 72 73 74 75 76 105 106 107 0 1 "
    "2 3 4 5 6 7 8 9 10 11 12 13 14 62 63 64 82 83 84 85 86 87 88 89 90 91 92 93 94 "
    "111 112 113 114 115 116 117 118 119 120 121 122 108 109 110 77 ";
constexpr const char* kRM0410KeyNumbers = "12 91 102 99 98 97 90 109 92 111 "
                                          "89 108 1 100 101 40 41 44 45 46 "
                                          "48 54 39 52 47 55 37 43 82 77 "
                                          "84 81 73 74 76 95 78 88 75 83 "
                                          "94 82 103 22 27 30 31 32 23 36 "
                                          "21 34 24 139 128 63 66 49 93 85 "
                                          "86 28 130 65 121 20 53 70 59 134 "
                                          "58 124 64 62 135 129 131 25 96 72 "
                                          "60 2 110 105 120 117 116 115 113 123 "
                                          "106 125 114 80 122 118 119 127 87 29 "
                                          "67 141 4 13 16 8 7 5 18 3 "
                                          "9 6 19 15 14 11 10 69 57 61 "
                                          "126 161 ";
constexpr const char* kRM0410Up =
    "83 84 85 86 87 88 89 90 91 92 93 94 95 96 97 0 1 2 3 4 5 6 7 8 9 10 11 12 28 15 "
    "16 17 18 19 20 21 22 23 24 25 26 27 29 30 31 32 33 34 35 36 37 38 39 40 42 43 44 "
    "45 46 47 48 49 50 67 68 69 70 63 72 73 74 78 75 76 77 79 80 81 82 98 99 100 101 "
    "102 103 104 105 106 107 108 109 110 111 112 113 114 115 116 117 118 119 120 54 "
    "55 56 57 57 57 57 57 57 57 58 59 60 61 62 64 65 66 121 71 ";
constexpr const char* kRM0410Down =
    "15 16 17 18 19 20 21 22 23 24 25 26 27 41 41 29 30 31 32 33 34 35 36 37 38 39 40 "
    "41 28 42 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 57 57 57 57 57 58 59 60 "
    "102 103 104 105 106 107 108 109 110 67 117 118 119 63 64 65 66 121 68 69 70 72 "
    "73 74 71 75 76 77 78 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 79 80 81 82 83 84 85 86 "
    "87 88 89 90 91 92 93 94 95 96 97 98 99 100 101 120 ";
constexpr const char* kRM0420KeyNumbers = "141 77 84 81 73 74 76 95 78 88 "
                                          "75 94 108 82 83 40 41 44 45 46 "
                                          "48 54 39 52 47 55 122 43 15 4 "
                                          "13 16 8 7 5 18 3 9 6 14 "
                                          "19 15 86 105 120 117 116 115 113 123 "
                                          "106 125 114 111 25 63 66 50 20 11 "
                                          "12 119 91 65 38 2 53 70 59 98 "
                                          "58 35 64 62 99 42 49 51 92 90 "
                                          "128 17 85 87 100 72 60 107 96 22 "
                                          "27 30 31 32 23 36 21 34 24 80 "
                                          "37 29 28 26 33 10 118 109 97 93 "
                                          "138 130 143 135 134 133 131 137 129 139 "
                                          "132 1 136 144 142 140 69 57 61 68 "
                                          "103 56 110 161 ";
constexpr const char* kRM0420Up =
    "89 90 91 92 93 94 95 96 97 98 99 100 101 102 103 0 1 2 3 4 5 6 7 8 9 10 11 12 28 "
    "15 16 17 18 19 20 21 22 23 24 25 26 27 29 30 31 32 33 34 35 36 37 38 39 40 42 43 "
    "44 45 46 47 48 49 75 67 77 68 70 76 72 73 74 81 78 79 80 82 83 84 85 86 87 88 "
    "104 105 106 107 108 109 110 111 112 113 114 115 116 117 118 119 120 121 122 123 "
    "124 125 126 127 128 129 130 131 132 54 55 56 57 57 57 57 57 57 57 57 58 59 60 61 "
    "62 63 64 65 66 66 133 71 ";
constexpr const char* kRM0420Down =
    "15 16 17 18 19 20 21 22 23 24 25 26 27 41 41 29 30 31 32 33 34 35 36 37 38 39 40 "
    "41 28 42 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 57 57 57 57 57 58 59 60 "
    "111 112 113 114 122 123 124 125 126 127 128 129 131 63 65 65 66 133 68 69 70 62 "
    "67 64 72 73 74 71 75 76 77 78 79 80 81 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 82 83 "
    "84 85 86 87 88 89 90 91 92 93 94 95 96 97 98 99 100 101 102 103 104 105 106 107 "
    "108 109 110 132 ";
constexpr const char* kTK0550KeyNumbers = "58 59 60 61 62 63 56 55 54 53 "
                                          "52 51 50 74 75 76 77 78 79 80 "
                                          "72 71 70 69 68 67 66 90 91 92 "
                                          "93 94 95 96 88 87 86 85 84 83 "
                                          "106 107 108 109 110 111 112 104 103 102 "
                                          "101 100 99 122 123 124 125 126 127 128 "
                                          "120 119 118 117 116 115 114 ";
constexpr const char* kTK0550Up =
    "66 54 55 56 57 58 60 61 62 63 64 65 26 0 1 2 3 4 5 59 6 7 8 9 10 11 12 13 14 15 "
    "16 17 18 19 20 21 22 23 24 25 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 "
    "44 45 46 47 48 49 50 51 52 53 ";
constexpr const char* kTK0550Down =
    "13 14 15 16 17 18 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 12 "
    "40 41 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 58 59 60 61 62 63 64 65 66 "
    "1 2 3 4 5 19 6 7 8 9 10 11 0 ";
constexpr const char* kTK0517KeyNumbers = "106 107 108 109 110 111 122 123 124 125 "
                                          "126 127 128 120 119 118 117 ";
constexpr const char* kTK0517Up = "6 8 10 12 14 16 0 0 1 1 2 2 3 3 4 4 5 ";
constexpr const char* kTK0517Down = "6 8 10 12 14 16 0 0 1 1 2 2 3 3 4 4 5 ";

// Whitespace-separated numbers; "a..b" stands for a, a+1, .., b.
std::vector<int> Numbers(std::string_view text) {
    std::vector<int> numbers;
    std::istringstream in{std::string(text)};
    std::string token;
    while (in >> token) {
        const auto dots = token.find("..");
        if (dots == std::string::npos) {
            numbers.push_back(std::stoi(token));
            continue;
        }
        const int first = std::stoi(token.substr(0, dots));
        const int last = std::stoi(token.substr(dots + 2));
        for (int n = first; n <= last; ++n) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

// Whitespace-separated labels; "_" is the empty label and "F1..F14" or "K01..K17" a numbered
// sequence (the first number's digit count gives the width).
std::vector<std::string> Labels(std::string_view text) {
    std::vector<std::string> labels;
    std::istringstream in{std::string(text)};
    std::string token;
    while (in >> token) {
        const auto dots = token.find("..");
        if (token == "_") {
            labels.emplace_back();
        } else if (dots == std::string::npos || dots == 0) {
            labels.push_back(token);
        } else {
            const std::string first = token.substr(0, dots);
            const auto digitsAt = first.find_first_of("0123456789");
            const std::string prefix = first.substr(0, digitsAt);
            const std::size_t width = first.size() - digitsAt;
            const int from = std::stoi(first.substr(digitsAt));
            const int to = std::stoi(token.substr(dots + 2 + prefix.size()));
            for (int n = from; n <= to; ++n) {
                std::string number = std::to_string(n);
                number.insert(0, width > number.size() ? width - number.size() : 0, '0');
                labels.push_back(prefix + number);
            }
        }
    }
    return labels;
}

constexpr const char* kRmTypewriterLabels =
    "` 1 2 3 4 5 6 7 8 9 0 - = \\ BS Tab Q W E R T Y U I O P { } _ CapsLk A S D F G H J K L : \" "
    "Enter Shift Z X C V B N M < > ? Shift Ctl Win Alt Space ";

struct ExpectedModel {
    int code;
    const char* name;
    int menuCommand;
    int keyCount;
    bool mr;
    const char* textFile;
    std::string labels;
    const char* keyNumbers; // nullptr: layout position i edits key number i + 1
    const char* up;
    const char* down;
};

const std::vector<ExpectedModel>& ExpectedCatalogue() {
    static const std::vector<ExpectedModel> models = {
        {2014, "RM0410", 32818, 122, true, "RM0410.txt",
         std::string(kRmTypewriterLabels) +
             "Alt Win Men Ctl <- v -> 0 . ^ 1 2 3 CR 4 5 6 7 8 9 + Num / * - ESC F1..F14 "
             "F15..F18 F19..F33 F34..F37 KeyLock",
         kRM0410KeyNumbers, kRM0410Up, kRM0410Down},
        {2015, "RM0420", 32819, 134, true, "RM0420.txt",
         std::string(kRmTypewriterLabels) +
             "Alt Win Men Ctl <- v -> 0 . ^ 1 2 3 CR 4 5 6 Del End PgD 7 8 9 + Ins Hom PgU Num "
             "/ * - ESC F1..F21 F22..F43 KeyLock",
         kRM0420KeyNumbers, kRM0420Up, kRM0420Down},
        {2013, "RM0480", 32811, 124, true, "RM0480.txt",
         std::string(kRmTypewriterLabels) +
             "Alt Win Men Ctl Num - + 7 8 9 4 5 6 1 2 3 0 . CR ESC F1..F14 F15..F17 K1..K10 "
             "K11..K13 K14..K16 K17..K19 K20..K22 K23..K25 K26..K28 KeyLock",
         kRM0480KeyNumbers, kRM0480Up, kRM0480Down},
        {2018, "TK0530", 32823, 176, false, "TK0530.txt", "", nullptr, nullptr, nullptr},
        {2016, "TK0550", 32821, 67, true, "TK0550.txt",
         "L11 L21 L31 L41 L51 M11 M21 R11 R21 R31 R41 R51 X11 "
         "L12 L22 L32 L42 L52 7 8 9 R12 R22 R32 R42 R52 X12 "
         "L13 L23 L33 L43 L53 4 5 6 R13 R23 R33 R43 R53 "
         "L14 L24 L34 L44 L54 1 2 3 R14 R24 R34 R44 R54 "
         "L15 L25 L35 L45 L55 0 00 . R15 R25 R35 R45 R55 KeyLock",
         kTK0550KeyNumbers, kTK0550Up, kTK0550Down},
        {2017, "TK0517", 32822, 17, false, "TK0517.txt", "K01..K17", kTK0517KeyNumbers, kTK0517Up,
         kTK0517Down},
    };
    return models;
}

std::vector<std::string> TK0530Labels() {
    std::vector<std::string> labels;
    for (char column = 'A'; column <= 'V'; ++column) {
        for (char row = '1'; row <= '8'; ++row) {
            labels.push_back(std::string{column, row});
        }
    }
    return labels;
}

int Move(const ModelLayout& layout, Direction direction, int position) {
    return NeighbourKey(layout, static_cast<int>(direction), position);
}

TEST(ModelCatalogueTest, ListsTheSixModelsInMenuOrder) {
    const auto catalogue = ModelCatalogue();
    const auto models = CatalogueModels();
    const auto& expected = ExpectedCatalogue();
    ASSERT_EQ(catalogue.size(), expected.size());
    ASSERT_EQ(models.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        const ModelLayout& layout = *catalogue[i];
        // The light entry agrees with the layout it builds.
        EXPECT_EQ(models[i].modelCode, expected[i].code);
        EXPECT_EQ(models[i].menuCommandId, expected[i].menuCommand);
        EXPECT_EQ(&models[i].layout(), &layout);
        EXPECT_EQ(layout.modelCode, expected[i].code);
        EXPECT_EQ(layout.name, expected[i].name);
        EXPECT_EQ(layout.menuCommandId, expected[i].menuCommand);
        EXPECT_EQ(layout.keyCount, expected[i].keyCount);
        EXPECT_EQ(layout.supportsMr, expected[i].mr);
        EXPECT_EQ(layout.defaultTextFileName, expected[i].textFile);
        EXPECT_EQ(&LayoutForModel(expected[i].code), &layout);
        EXPECT_TRUE(IsCatalogueModel(expected[i].code));
    }
}

TEST(ModelCatalogueTest, CodesOutsideTheCatalogueGetTheRM0480Layout) {
    for (int code : {2099, 2012, 2019, 0, -1, -2013, 2147483647}) {
        SCOPED_TRACE(code);
        const ModelLayout& layout = LayoutForModel(code);
        EXPECT_EQ(layout.name, "RM0480");
        EXPECT_EQ(layout.keyCount, 124);
        EXPECT_EQ(layout.modelCode, kModelRM0480);
        EXPECT_FALSE(IsCatalogueModel(code));
    }
}

TEST(ModelCatalogueTest, LabelsOfEveryLayoutPosition) {
    for (const ExpectedModel& model : ExpectedCatalogue()) {
        SCOPED_TRACE(model.name);
        const ModelLayout& layout = LayoutForModel(model.code);
        const std::vector<std::string> labels =
            model.code == kModelTK0530 ? TK0530Labels() : Labels(model.labels);
        ASSERT_EQ(static_cast<int>(labels.size()), layout.keyCount);
        for (std::size_t p = 0; p < labels.size(); ++p) {
            EXPECT_EQ(layout.labels[p], labels[p]) << "layout position " << p;
        }
        for (std::size_t p = labels.size(); p < kKeyCount; ++p) {
            EXPECT_TRUE(layout.labels[p].empty()) << "unused layout position " << p;
        }
    }
}

TEST(ModelCatalogueTest, PositionToKeyMapOfEveryLayoutPosition) {
    for (const ExpectedModel& model : ExpectedCatalogue()) {
        SCOPED_TRACE(model.name);
        const ModelLayout& layout = LayoutForModel(model.code);
        std::vector<int> keyNumbers;
        if (model.keyNumbers == nullptr) {
            keyNumbers = Numbers("1..176");
        } else {
            keyNumbers = Numbers(model.keyNumbers);
        }
        ASSERT_EQ(static_cast<int>(keyNumbers.size()), layout.keyCount);
        for (std::size_t p = 0; p < keyNumbers.size(); ++p) {
            EXPECT_EQ(layout.positionToKey[p], keyNumbers[p] - 1) << "layout position " << p;
        }
    }
}

TEST(ModelCatalogueTest, TwoHalvesOfTheEnterKeyEditOneKey) {
    EXPECT_EQ(LayoutForModel(kModelRM0410).positionToKey[28], 82 - 1);
    EXPECT_EQ(LayoutForModel(kModelRM0410).positionToKey[41], 82 - 1);
    EXPECT_EQ(LayoutForModel(kModelRM0420).positionToKey[28], 15 - 1);
    EXPECT_EQ(LayoutForModel(kModelRM0420).positionToKey[41], 15 - 1);
    EXPECT_EQ(LayoutForModel(kModelRM0480).positionToKey[28], 29 - 1);
    EXPECT_EQ(LayoutForModel(kModelRM0480).positionToKey[41], 52 - 1);
    // Every other layout position edits a key of its own.
    for (const ModelLayout* layout : ModelCatalogue()) {
        SCOPED_TRACE(layout->name);
        std::set<int> keys(layout->positionToKey.begin(),
                           layout->positionToKey.begin() + layout->keyCount);
        const bool sharedEnter =
            layout->modelCode == kModelRM0410 || layout->modelCode == kModelRM0420;
        EXPECT_EQ(static_cast<int>(keys.size()), layout->keyCount - (sharedEnter ? 1 : 0));
    }
}

TEST(ModelCatalogueTest, KeyLockIsKey161OnTheRmModels) {
    for (int code : {kModelRM0480, kModelRM0410, kModelRM0420}) {
        const ModelLayout& layout = LayoutForModel(code);
        const int last = layout.keyCount - 1;
        EXPECT_EQ(layout.labels[static_cast<std::size_t>(last)], "KeyLock");
        EXPECT_EQ(layout.positionToKey[static_cast<std::size_t>(last)], 161 - 1);
    }
    const ModelLayout& tk0517 = LayoutForModel(kModelTK0517);
    EXPECT_EQ(std::count(tk0517.labels.begin(), tk0517.labels.end(), "KeyLock"), 0);
}

struct RectSample {
    int code;
    int position;
    KeyRect rect;
};

TEST(ModelCatalogueTest, KeyRectangles) {
    const RectSample samples[] = {
        {2013, 0, {55, 140, 27, 25}},    {2013, 14, {475, 140, 27, 25}},
        {2013, 15, {55, 170, 44, 25}},   {2013, 27, {432, 170, 27, 25}},
        {2013, 28, {462, 170, 40, 30}},  {2013, 29, {55, 200, 57, 25}},
        {2013, 40, {415, 200, 27, 25}},  {2013, 41, {445, 200, 57, 25}},
        {2013, 42, {55, 230, 72, 25}},   {2013, 53, {430, 230, 72, 25}},
        {2013, 54, {55, 260, 42, 25}},   {2013, 55, {100, 260, 27, 25}},
        {2013, 56, {130, 260, 42, 25}},  {2013, 57, {175, 260, 207, 25}},
        {2013, 61, {475, 260, 27, 25}},  {2013, 64, {575, 140, 27, 25}},
        {2013, 76, {575, 260, 27, 25}},  {2013, 91, {475, 95, 27, 25}},
        {2013, 94, {575, 95, 27, 25}},   {2013, 104, {475, 50, 27, 25}},
        {2013, 110, {675, 50, 27, 25}},  {2013, 113, {675, 80, 27, 25}},
        {2013, 122, {675, 170, 27, 25}}, {2013, 123, {55, 50, 57, 25}},
        {2014, 0, {80, 140, 27, 25}},    {2014, 28, {487, 170, 40, 30}},
        {2014, 41, {470, 200, 57, 25}},  {2014, 57, {200, 260, 177, 25}},
        {2014, 58, {380, 260, 27, 25}},  {2014, 66, {620, 260, 27, 25}},
        {2014, 70, {620, 230, 27, 25}},  {2014, 71, {650, 230, 27, 55}},
        {2014, 78, {650, 170, 27, 55}},  {2014, 82, {650, 140, 27, 25}},
        {2014, 97, {500, 110, 27, 25}},  {2014, 101, {650, 110, 27, 25}},
        {2014, 116, {500, 80, 27, 25}},  {2014, 120, {650, 80, 27, 25}},
        {2014, 121, {620, 50, 57, 25}},  {2015, 0, {52, 140, 27, 25}},
        {2015, 28, {459, 170, 40, 30}},  {2015, 57, {172, 260, 207, 25}},
        {2015, 65, {592, 260, 27, 25}},  {2015, 66, {652, 260, 27, 25}},
        {2015, 67, {532, 230, 27, 25}},  {2015, 70, {652, 230, 27, 25}},
        {2015, 71, {682, 230, 27, 55}},  {2015, 80, {652, 170, 27, 25}},
        {2015, 81, {682, 170, 27, 55}},  {2015, 88, {682, 140, 27, 25}},
        {2015, 110, {682, 110, 27, 25}}, {2015, 111, {52, 80, 27, 25}},
        {2015, 132, {682, 80, 27, 25}},  {2015, 133, {652, 50, 57, 25}},
        {2018, 0, {50, 50, 25, 25}},     {2018, 7, {50, 260, 25, 25}},
        {2018, 8, {80, 50, 25, 25}},     {2018, 175, {680, 260, 25, 25}},
        {2016, 0, {100, 95, 35, 30}},    {2016, 5, {300, 95, 45, 30}},
        {2016, 6, {370, 95, 45, 30}},    {2016, 11, {580, 95, 35, 30}},
        {2016, 12, {620, 95, 35, 30}},   {2016, 26, {620, 135, 35, 30}},
        {2016, 34, {380, 175, 35, 30}},  {2016, 60, {380, 255, 35, 30}},
        {2016, 65, {580, 255, 35, 30}},  {2016, 66, {100, 55, 75, 30}},
        {2017, 0, {100, 130, 69, 30}},   {2017, 5, {565, 130, 69, 30}},
        {2017, 6, {100, 180, 35, 30}},   {2017, 16, {600, 180, 35, 30}},
    };
    for (const RectSample& sample : samples) {
        const ModelLayout& layout = LayoutForModel(sample.code);
        EXPECT_EQ(layout.rects[static_cast<std::size_t>(sample.position)], sample.rect)
            << layout.name << " layout position " << sample.position;
    }
}

bool Overlap(const KeyRect& a, const KeyRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// A mistyped coordinate almost always puts two keys on top of each other.
TEST(ModelCatalogueTest, NoTwoKeysOverlap) {
    for (const ModelLayout* layout : ModelCatalogue()) {
        for (int a = 0; a < layout->keyCount; ++a) {
            const KeyRect& ra = layout->rects[static_cast<std::size_t>(a)];
            EXPECT_GT(ra.width, 0);
            EXPECT_GT(ra.height, 0);
            for (int b = a + 1; b < layout->keyCount; ++b) {
                EXPECT_FALSE(Overlap(ra, layout->rects[static_cast<std::size_t>(b)]))
                    << layout->name << " layout positions " << a << " and " << b;
            }
        }
    }
}

TEST(NeighbourKeyTest, UpAndDownFollowTheModelTables) {
    for (const ExpectedModel& model : ExpectedCatalogue()) {
        if (model.up == nullptr) {
            continue;
        }
        SCOPED_TRACE(model.name);
        const ModelLayout& layout = LayoutForModel(model.code);
        const std::vector<int> up = Numbers(model.up);
        const std::vector<int> down = Numbers(model.down);
        ASSERT_EQ(static_cast<int>(up.size()), layout.keyCount);
        ASSERT_EQ(static_cast<int>(down.size()), layout.keyCount);
        for (int p = 0; p < layout.keyCount; ++p) {
            EXPECT_EQ(Move(layout, Direction::Up, p), up[static_cast<std::size_t>(p)])
                << "up from " << p;
            EXPECT_EQ(Move(layout, Direction::Down, p), down[static_cast<std::size_t>(p)])
                << "down from " << p;
        }
    }
}

struct Step {
    int code;
    Direction direction;
    int from;
    int to;
};

TEST(NeighbourKeyTest, TellingUpAndDownMoves) {
    using enum Direction;
    const Step steps[] = {
        // RM0480: the left column of the keyboard, the function row and the space bar.
        {2013, Up, 0, 77},
        {2013, Up, 77, 123},
        {2013, Up, 123, 54},
        {2013, Up, 54, 42},
        {2013, Up, 42, 29},
        {2013, Up, 29, 15},
        {2013, Up, 15, 0},
        {2013, Up, 82, 95},
        {2013, Up, 95, 57},
        {2013, Up, 100, 57},
        {2013, Up, 57, 45},
        {2013, Down, 0, 15},
        {2013, Down, 54, 77},
        {2013, Down, 77, 0},
        {2013, Down, 95, 82},
        {2013, Down, 57, 80},
        // TK0550: the "L" column with "KeyLock" below it; "M11" above the numeric pad.
        {2016, Down, 0, 13},
        {2016, Down, 13, 27},
        {2016, Down, 27, 40},
        {2016, Down, 40, 53},
        {2016, Down, 53, 66},
        {2016, Down, 66, 0},
        {2016, Down, 5, 18},
        {2016, Up, 18, 5},
        {2016, Up, 5, 58},
        // The upper half of the Enter key stays where it is.
        {2013, Up, 28, 28},
        {2013, Down, 28, 28},
        {2014, Up, 28, 28},
        {2014, Down, 28, 28},
        {2015, Up, 28, 28},
        {2015, Down, 28, 28},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(Move(LayoutForModel(step.code), step.direction, step.from), step.to)
            << step.code << " direction " << static_cast<int>(step.direction) << " from "
            << step.from;
    }
}

TEST(NeighbourKeyTest, TK0530WrapsAroundItsGrid) {
    const ModelLayout& layout = LayoutForModel(kModelTK0530);
    for (int i = 0; i < 176; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Move(layout, Direction::Left, i), i < 8 ? i + 168 : i - 8);
        EXPECT_EQ(Move(layout, Direction::Right, i), i >= 168 ? i - 168 : i + 8);
        EXPECT_EQ(Move(layout, Direction::Up, i), i % 8 == 0 ? i + 7 : i - 1);
        EXPECT_EQ(Move(layout, Direction::Down, i), i % 8 == 7 ? i - 7 : i + 1);
    }
}

struct Lines {
    int code;
    // Every drawn line, left to right, as a ring of layout positions that left and right walk
    // around.
    std::vector<const char*> rings;
};

TEST(NeighbourKeyTest, LeftAndRightWalkAroundEachLine) {
    const Lines models[] = {
        {2013,
         {"123 95..104 105..107 108..110", "77..91 92..94 111..113", "114..116",
          "0..14 62..64 117..119", "15 16..27 65..67 120..122", "29 30..40 41 68..70",
          "42 43..52 53 71..73", "54 55 56 57 58..61 74..76"}},
        {2014,
         {"121", "102..116 117..120", "83..97 98..101", "0..14 79..82", "15 16..27 75..77 78",
          "29 30..40 41 72..74", "42 43..52 53 67..70 71", "54 55 56 57 58..66"}},
        {2015,
         {"133", "111..132", "89..110", "0..14 82..88", "15 16..27 75..80 81",
          "29 30..40 41 72..74", "42 43..52 53 67 68..70 71", "54 55 56 57 58..65 66"}},
        {2016, {"66", "0..12", "13..26", "27..39", "40..52", "53..65"}},
        {2017, {"0..5", "6..16"}},
    };
    for (const Lines& model : models) {
        const ModelLayout& layout = LayoutForModel(model.code);
        SCOPED_TRACE(layout.name);
        std::set<int> covered;
        for (const char* ringText : model.rings) {
            const std::vector<int> ring = Numbers(ringText);
            for (std::size_t i = 0; i < ring.size(); ++i) {
                const int here = ring[i];
                const int next = ring[(i + 1) % ring.size()];
                EXPECT_EQ(Move(layout, Direction::Right, here), next) << "right from " << here;
                EXPECT_EQ(Move(layout, Direction::Left, next), here) << "left from " << next;
                covered.insert(here);
            }
        }
        const bool hasEnterHalf = model.code != 2016 && model.code != 2017;
        EXPECT_EQ(static_cast<int>(covered.size()), layout.keyCount - (hasEnterHalf ? 1 : 0));
    }
}

TEST(NeighbourKeyTest, UpperHalfOfEnterIsPassedOver) {
    for (int code : {kModelRM0480, kModelRM0410, kModelRM0420}) {
        const ModelLayout& layout = LayoutForModel(code);
        SCOPED_TRACE(layout.name);
        const int afterIt = code == kModelRM0480 ? 65 : 75;
        EXPECT_EQ(Move(layout, Direction::Right, 27), afterIt);
        EXPECT_EQ(Move(layout, Direction::Left, afterIt), 27);
        EXPECT_EQ(Move(layout, Direction::Right, 28), 29);
        EXPECT_EQ(Move(layout, Direction::Left, 28), 27);
    }
}

TEST(NeighbourKeyTest, PositionsOutsideTheLayoutYieldZero) {
    for (const ModelLayout* layout : ModelCatalogue()) {
        for (int direction = 0; direction < 4; ++direction) {
            EXPECT_EQ(NeighbourKey(*layout, direction, -1), 0);
            EXPECT_EQ(NeighbourKey(*layout, direction, layout->keyCount), 0);
            EXPECT_EQ(NeighbourKey(*layout, direction, 1000), 0);
        }
        EXPECT_EQ(NeighbourKey(*layout, 4, 3), 3);
        EXPECT_EQ(NeighbourKey(*layout, -1, 3), 3);
    }
}

TEST(NeighbourKeyTest, EveryMoveStaysInsideTheLayout) {
    for (const ModelLayout* layout : ModelCatalogue()) {
        for (int p = 0; p < layout->keyCount; ++p) {
            for (int direction = 0; direction < 4; ++direction) {
                const int target = NeighbourKey(*layout, direction, p);
                EXPECT_GE(target, 0);
                EXPECT_LT(target, layout->keyCount);
            }
        }
    }
}

} // namespace
} // namespace zelt

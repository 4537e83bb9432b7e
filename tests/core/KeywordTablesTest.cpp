#include "KeywordTables.h"

#include "KeyContent.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <sstream>

namespace zelt {
namespace {

// The vocabulary typed out once more, independently of the implementation's tables, as
// "CODE NAME" pairs in hexadecimal.
const char* const kTableN = R"(
01 [ESC] 02 [1] 03 [2] 04 [3] 05 [4] 06 [5] 07 [6] 08 [7] 09 [8] 0A [9] 0B [0] 0C [-] 0D [=]
0E [Backspace] 0F [Tab] 10 [Q] 11 [W] 12 [E] 13 [R] 14 [T] 15 [Y] 16 [U] 17 [I] 18 [O] 19 [P]
1A [{] 1B [}] 1C [Enter] 1D [Ctrl] 1E [A] 1F [S] 20 [D] 21 [F] 22 [G] 23 [H] 24 [J] 25 [K]
26 [L] 27 [;] 28 ['] 29 [`] 2A [Shift] 2B [\] 2C [Z] 2D [X] 2E [C] 2F [V] 30 [B] 31 [N] 32 [M]
33 [,] 34 [.] 35 [/] 36 [RightShift] 37 [PAD*] 38 [Alt] 39 [Space] 3A [CapsLock] 3B [F1]
3C [F2] 3D [F3] 3E [F4] 3F [F5] 40 [F6] 41 [F7] 42 [F8] 43 [F9] 44 [F10] 45 [NumLock]
46 [ScrollLk] 47 [PAD7] 48 [PAD8] 49 [PAD9] 4A [PAD-] 4B [PAD4] 4C [PAD5] 4D [PAD6] 4E [PAD+]
4F [PAD1] 50 [PAD2] 51 [PAD3] 52 [PAD0] 53 [PAD.] 54 [Alt+PrintScreen] 57 [F11] 58 [F12]
)";

const char* const kAliases = R"(
29 [~] 02 [!] 03 [@] 04 [#] 05 [$] 06 [%] 07 [^] 08 [&] 09 [*] 0A [(] 0B [)] 0C [_] 0D [+]
1A [[] 1B []] 2B [|] 27 [:] 28 ["] 33 [<] 34 [>] 35 [?]
1E [a] 30 [b] 2E [c] 20 [d] 12 [e] 21 [f] 22 [g] 23 [h] 17 [i] 24 [j] 25 [k] 26 [l] 32 [m]
31 [n] 18 [o] 19 [p] 10 [q] 13 [r] 1F [s] 14 [t] 16 [u] 2F [v] 11 [w] 2D [x] 15 [y] 2C [z]
)";

const char* const kTableE = R"(
1C [PADEnter] 1D [RightCtrl] 35 [PAD/] 37 [Ctrl+PrintScreen] 38 [RightAlt]
46 [Ctrl+PauseBreak] 47 [Home] 48 [ArrowUp] 49 [PageUp] 4B [ArrowLeft] 4D [ArrowRight]
4F [End] 50 [ArrowDown] 51 [PageDown] 52 [Insert] 53 [Delete] 5B [Win] 5C [RightWin] 5D [Menu]
)";

const char* const kTableC = R"(
10 [Backward] 19 [Forward] 20 [Mute] 21 [Calculator] 22 [PlayPause] 24 [Stop] 2E [VolumeDown]
30 [VolumeUp] 32 [WWWHome] 5E [SystemPower] 5F [SystemSleep] 63 [SystemWake] 65 [WWWSearch]
66 [WWWFavorites] 67 [WWWRefresh] 68 [WWWStop] 69 [WWWForward] 6A [WWWBack] 6B [MyComputer]
6C [Mail] 6D [MediaSelect]
)";

std::vector<std::pair<int, std::string>> Parse(const char* table) {
    std::istringstream in(table);
    std::vector<std::pair<int, std::string>> pairs;
    std::string code;
    std::string name;
    while (in >> code >> name) {
        pairs.emplace_back(std::stoi(code, nullptr, 16), name);
    }
    return pairs;
}

std::map<int, std::string> ByCode(const char* table) {
    std::map<int, std::string> map;
    for (const auto& [code, name] : Parse(table)) {
        map[code] = name;
    }
    return map;
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) {
        s.push_back(static_cast<char>(b));
    }
    return s;
}

std::string ToHexBytes(std::span<const std::uint8_t> bytes) {
    char buffer[4];
    std::string hex;
    for (std::uint8_t b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", b);
        hex += hex.empty() ? "" : " ";
        hex += buffer;
    }
    return hex;
}

TEST(KeywordTables, TheTypedOutTablesAreComplete) {
    EXPECT_EQ(Parse(kTableN).size(), 86u);
    EXPECT_EQ(Parse(kAliases).size(), 47u);
    EXPECT_EQ(Parse(kTableE).size(), 19u);
    EXPECT_EQ(Parse(kTableC).size(), 21u);
}

TEST(NormalKeywordName, EveryByte) {
    const auto names = ByCode(kTableN);
    for (int code = 0; code <= 0xFF; ++code) {
        std::string expected;
        if (auto it = names.find(code); it != names.end()) {
            expected = it->second;
        } else if (code == 0xF0) {
            expected = "[0F0]";
        } else if (code == 0xFE) {
            expected = "[Separator]";
        } else if (code == 0xFD) {
            expected = "[Delay1]"; // the default delay byte is 0
        }
        EXPECT_EQ(NormalKeywordName(static_cast<std::uint8_t>(code)), expected) << code;
        EXPECT_EQ(NormalKeywordView(static_cast<std::uint8_t>(code)),
                  names.count(code) != 0 ? names.at(code) : "")
            << code;
    }
}

TEST(NormalKeywordName, DelayValueOfEveryFollowingByte) {
    for (int n = 0; n <= 0xFF; ++n) {
        std::string expected;
        if (n == 0xFC) {
            expected = "";
        } else if (n == 0) {
            expected = "[Delay1]";
        } else if (n > 250) {
            expected = "[Delay249]";
        } else {
            expected = "[Delay" + std::to_string(n) + "]";
        }
        EXPECT_EQ(NormalKeywordName(0xFD, static_cast<std::uint8_t>(n)), expected) << n;
    }
}

TEST(ExtendedAndConsumerKeywordName, EveryByteAfterE0) {
    const auto extended = ByCode(kTableE);
    const auto consumer = ByCode(kTableC);
    for (int code = 0; code <= 0xFF; ++code) {
        const auto b = static_cast<std::uint8_t>(code);
        const std::string c = consumer.count(code) != 0 ? consumer.at(code) : "";
        const std::string e = extended.count(code) != 0 ? extended.at(code) : c;
        EXPECT_EQ(ConsumerKeywordName(b), c) << code;
        EXPECT_EQ(ExtendedKeywordName(b), e) << code;
    }
    EXPECT_EQ(ExtendedKeywordName(0x1C), "[PADEnter]");
    EXPECT_EQ(ExtendedKeywordName(0x10), "[Backward]");
    EXPECT_EQ(ExtendedKeywordName(0x2A), "");
}

TEST(TranslateKeyword, EveryKeywordAndAlias) {
    struct Expect {
        const char* table;
        std::string prefix;
    };
    std::size_t count = 0;
    for (const auto& [table, prefix] : {Expect{kTableN, ""}, Expect{kAliases, ""},
                                        Expect{kTableE, "\xE0"}, Expect{kTableC, "\xE0"}}) {
        for (const auto& [code, name] : Parse(table)) {
            const std::string bytes = prefix + Bytes({code});
            EXPECT_EQ(TranslateKeyword(name), bytes) << name;
            EXPECT_EQ(ScanCodeKeywordBytes(name), bytes) << name;
            ++count;
        }
    }
    const std::pair<std::string, std::string> others[] = {
        {"[PauseBreak]", Bytes({0xE1, 0x1D, 0x45})},
        {"[PrintScreen]", Bytes({0xE0, 0x2A, 0xE0, 0x37})},
        {"[0E0]", Bytes({0xE0})},
        {"[0F0]", Bytes({0xF0})},
    };
    for (const auto& [name, bytes] : others) {
        EXPECT_EQ(TranslateKeyword(name), bytes) << name;
        EXPECT_EQ(ScanCodeKeywordBytes(name), bytes) << name;
        ++count;
    }
    // Nothing more is in the vocabulary than what was typed out above.
    EXPECT_EQ(ScanCodeKeywords().size(), count);
}

TEST(TranslateKeyword, FunctionKeywords) {
    const std::pair<std::string, std::string> cases[] = {
        {"[Separator]", Bytes({0xFE})},
        {"[Delay1]", Bytes({0xFD, 0x01})},
        {"[Delay7]", Bytes({0xFD, 0x07})},
        {"[Delay07]", Bytes({0xFD, 0x07})},
        {"[Delay007]", Bytes({0xFD, 0x07})},
        {"[Delay250]", Bytes({0xFD, 0xFA})},
        {"[Delay0]", ""},
        {"[Delay000]", ""},
        {"[Delay251]", ""},
        {"[Delay1234]", ""},
        {"[Delay]", ""},
        {"[Delay1x]", ""},
        {"[Delay 1]", ""},
        // Not translated: ASCII-only and whole-content keywords, and the MR words.
        {"[Caps]", ""},
        {"[CR]", ""},
        {"[ShiftLevel3]", ""},
        {"[LF]", ""},
        {"[TB]", ""},
        // Matching is exact and case-sensitive.
        {"[f1]", ""},
        {"[ESC ]", ""},
        {"[esc]", ""},
        {"[Separator", ""},
        {"Separator]", ""},
        {"[]", ""},
        {"", ""},
    };
    for (const auto& [keyword, bytes] : cases) {
        EXPECT_EQ(TranslateKeyword(keyword), bytes) << keyword;
    }
    EXPECT_EQ(ScanCodeKeywordBytes("[Separator]"), "");
}

TEST(ScanCodeKeywords, GroupsAndSizesMatchTheBytes) {
    std::set<std::string_view> names;
    for (const ScanCodeKeyword& k : ScanCodeKeywords()) {
        EXPECT_TRUE(names.insert(k.name).second) << k.name;
        EXPECT_EQ(FindScanCodeKeyword(k.name), &k);
        switch (k.group) {
        case KeywordGroup::Normal:
        case KeywordGroup::NormalAlias:
        case KeywordGroup::Prefix:
            EXPECT_EQ(k.size, 1) << k.name;
            break;
        case KeywordGroup::Extended:
        case KeywordGroup::Consumer:
            EXPECT_EQ(k.size, 2) << k.name;
            EXPECT_EQ(k.bytes[0], 0xE0) << k.name;
            break;
        case KeywordGroup::MultiByte:
            EXPECT_GE(k.size, 3) << k.name;
            break;
        case KeywordGroup::Function:
            ADD_FAILURE() << "function keyword among the scan codes: " << k.name;
            break;
        }
    }
    EXPECT_EQ(FindScanCodeKeyword("[Nope]"), nullptr);
    EXPECT_EQ(FindScanCodeKeyword("[Separator]"), nullptr);
    for (const char* function : {"[Separator]", "[Caps]", "[CR]"}) {
        ASSERT_NE(FindKeyword(function), nullptr) << function;
        EXPECT_EQ(FindKeyword(function)->group, KeywordGroup::Function);
    }
    EXPECT_EQ(ToHexBytes(FindKeyword("[Caps]")->Bytes()), "FD FC");
    EXPECT_EQ(FindKeyword("[Delay5]"), nullptr);
}

TEST(NumberedKeywords, AreWrittenInDecimal) {
    EXPECT_EQ(DelayKeyword(15), "[Delay15]");
    EXPECT_EQ(DelayKeyword(250), "[Delay250]");
    EXPECT_EQ(ShiftLevelKeyword(3), "[ShiftLevel3]");
    EXPECT_EQ(ScanCodeDelayShown(0), 1);
    EXPECT_EQ(ScanCodeDelayShown(250), 250);
    EXPECT_EQ(ScanCodeDelayShown(251), 249);
}

} // namespace
} // namespace zelt

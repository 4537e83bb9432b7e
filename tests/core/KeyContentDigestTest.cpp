// Pins the exact output of the key content language over thousands of generated, mutated and
// invalid inputs: checks, sizes, records, records cut to every room (with every byte written
// into that room), decoded texts and whole built key areas. The other tests say what must
// hold; this one notices any change at all, including in corners no rule speaks of (which
// bytes an invalid content leaves behind its record, say), so that work done for speed cannot
// change behaviour unseen. When behaviour is changed on purpose, check the difference with the
// focused tests first, then put the new digests here.

#include "EdgeCaseGenerator.h"
#include "KeyArea.h"
#include "KeyContent.h"
#include "KeyContentDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {
namespace {

using testing::EdgeCaseGenerator;

// FNV-1a, 64 bits: simple, and the same on every platform.
class Digest {
public:
    void Add(std::string_view bytes) {
        AddNumber(bytes.size());
        for (char c : bytes) {
            AddByte(static_cast<std::uint8_t>(c));
        }
    }
    void Add(std::span<const std::uint8_t> bytes) {
        Add(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    void AddNumber(std::uint64_t value) {
        for (int i = 0; i < 8; ++i) {
            AddByte(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }
    std::uint64_t Value() const { return hash_; }

private:
    void AddByte(std::uint8_t b) {
        hash_ ^= b;
        hash_ *= 0x100000001B3ull;
    }
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

TEST(KeyContentDigest, Texts) {
    EdgeCaseGenerator generator(11);
    Digest digest;
    for (int i = 0; i < 6000; ++i) {
        const std::string text = generator.Text();
        digest.AddNumber(IsAsciiContent(text));
        digest.AddNumber(IsScanCodeContent(text));
        digest.AddNumber(static_cast<std::uint64_t>(GetEncodedSize(text)));
        const std::string record = EncodeKeyContent(text);
        digest.Add(record);
        // Rooms are filled with a pattern first, so that stray writes show.
        const std::size_t most = std::min<std::size_t>(text.size() + 2, 48);
        for (std::size_t room = 0; room <= most; ++room) {
            std::vector<std::uint8_t> buffer(room, 0xA5);
            const RecordFit fit = EncodeKeyContentInto(text, buffer);
            digest.AddNumber(fit.size);
            digest.AddNumber(fit.complete);
            digest.Add(buffer);
        }
    }
    EXPECT_EQ(digest.Value(), 0x08C693EB45B3CEB3ull);
}

TEST(KeyContentDigest, KeywordTranslations) {
    EdgeCaseGenerator generator(12);
    Digest digest;
    for (int i = 0; i < 4000; ++i) {
        const std::string keyword = generator.Fragment() + generator.Fragment();
        digest.Add(TranslateKeyword(keyword));
    }
    EXPECT_EQ(digest.Value(), 0xC00C046BC52026C8ull);
}

TEST(KeyContentDigest, Records) {
    EdgeCaseGenerator generator(13);
    Digest digest;
    for (int i = 0; i < 6000; ++i) {
        const std::string bytes =
            generator.RecordBytes(static_cast<std::size_t>(generator.Random().Below(40)));
        const std::span<const std::uint8_t> span(
            reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        for (std::size_t offset = 0; offset <= bytes.size(); ++offset) {
            std::string text;
            digest.AddNumber(DecodeRecordInto(span, offset, text));
            digest.Add(text);
        }
    }
    EXPECT_EQ(digest.Value(), 0x3E5CEBDB34C883F1ull);
}

TEST(KeyContentDigest, Templates) {
    EdgeCaseGenerator generator(14);
    Digest digest;
    const auto addData = [&digest](const TemplateData& data) {
        digest.Add(data.image);
        for (const std::string& content : data.keyContents) {
            digest.Add(content);
        }
        for (int flag : data.blankKeyFlags) {
            digest.AddNumber(static_cast<std::uint64_t>(flag));
        }
    };
    for (int round = 0; round < 150; ++round) {
        TemplateData data =
            generator.Template([](const std::string& text) { return IsValidContent(text); });
        const TemplateData raw = data;
        digest.AddNumber(static_cast<std::uint64_t>(GetSpaceLeft(data)));
        digest.AddNumber(static_cast<std::uint64_t>(FindFirstInvalidKey(data).value_or(0)));
        BuildKeyArea(data);
        addData(data);
        DecodeImage(data);
        addData(data);
        TemplateData decodedRaw = raw;
        DecodeImage(decodedRaw);
        addData(decodedRaw);
    }
    EXPECT_EQ(digest.Value(), 0xCC731E229756F66Dull);
}

} // namespace
} // namespace zelt

#include "TemplateFile.h"

#include "FileRead.h"
#include "JoinText.h"
#include "SafeFileWrite.h"

#include <algorithm>
#include <vector>

namespace zelt {

namespace {

std::string TooShortMessage(const std::filesystem::path& path, std::size_t length) {
    return JoinText({"\"", path.string(), "\" is not a template file: it is ",
                     std::to_string(length), length == 1 ? " byte" : " bytes",
                     " long, a template file is ", std::to_string(kImageSize), " bytes."});
}

} // namespace

TemplateFileContents ReadTemplateFile(const std::filesystem::path& path, FileSystem& fileSystem) {
    TemplateFileContents result;
    std::vector<std::uint8_t> bytes;
    if (auto message = ReadFileStart(path, kImageSize, bytes, fileSystem)) {
        result.message = std::move(*message);
        return result;
    }
    if (bytes.size() < kImageSize) {
        result.message = TooShortMessage(path, bytes.size());
        return result;
    }
    TemplateImage image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());
    result.image = image;
    return result;
}

std::optional<std::string> WriteTemplateFile(const std::filesystem::path& path,
                                             const TemplateImage& image, FileSystem& fileSystem) {
    return WriteFileSafely(path, image, fileSystem);
}

} // namespace zelt

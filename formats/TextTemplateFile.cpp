#include "TextTemplateFile.h"

#include "FileSystem.h"
#include "SafeFileWrite.h"
#include "TextTemplateFormat.h"

#include <cerrno>
#include <cstdint>
#include <span>
#include <system_error>
#include <vector>

namespace zelt {

namespace {

constexpr const char* kCannotWriteMessage =
    "The text file: <%s> can't be written !! Error code = %d";
constexpr const char* kCannotReadMessage =
    "The text file: <%s> is NOT in the directory !! Error code = %d";
constexpr const char* kWrongRowCountMessage = "The number of rows in the text file is wrong\n";
constexpr const char* kTooLargeMessage =
    "The text file: <%s> is too large to be a text template (%d MB at most).";

constexpr const char* kTitleSeparator = " : ";

// Fills the first %s with the path and the first %d with the number. The path goes in as it
// is, even when it holds a % of its own.
std::string FillMessage(std::string_view format, const std::string& path, long long number) {
    std::string text;
    bool pathDone = false;
    bool numberDone = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == 's' && !pathDone) {
                text += path;
                pathDone = true;
                ++i;
                continue;
            }
            if (format[i + 1] == 'd' && !numberDone) {
                text += std::to_string(number);
                numberDone = true;
                ++i;
                continue;
            }
        }
        text.push_back(format[i]);
    }
    return text;
}

// Reads the whole file. On failure returns the message for the user.
std::optional<std::string> ReadWholeFile(FileSystem& files, const std::string& path,
                                         std::string& bytes) {
    FileStatus status;
    const auto cannotRead = [&](int errorNumber) {
        return FillMessage(kCannotReadMessage, path, errorNumber);
    };
    if (const std::error_code error = files.Status(path, status)) {
        return cannotRead(error.value());
    }
    if (!status.exists) {
        return cannotRead(ENOENT);
    }
    if (status.isDirectory) {
        return cannotRead(EISDIR);
    }
    // Devices and pipes could deliver bytes without end.
    if (!status.isRegular) {
        return cannotRead(EINVAL);
    }
    if (status.size > kMaxTextTemplateSize) {
        return FillMessage(kTooLargeMessage, path,
                           static_cast<long long>(kMaxTextTemplateSize / (1024 * 1024)));
    }
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(status.size));
    std::size_t got = 0;
    if (const std::error_code error = files.ReadPrefix(path, buffer, got)) {
        return cannotRead(error.value());
    }
    bytes.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got));
    return std::nullopt;
}

std::string TitleFor(const std::string& fileName, const CZELTDoc& doc) {
    return fileName + kTitleSeparator + doc.ModelName();
}

} // namespace

bool WriteTextTemplate(const CZELTDoc& doc, const std::string& path, MessageSink& messages) {
    const std::string text = FormatTextTemplate(doc.Layout(), doc.keyLabels, doc.keyContents);
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());
    std::error_code error;
    if (WriteFileSafely(path, bytes, doc.Files(), &error)) {
        messages.ShowMessage(FillMessage(kCannotWriteMessage, path, error.value()),
                             MessageIcon::Warning);
        return false;
    }
    return true;
}

TextReadOutcome ReadTextTemplate(CZELTDoc& doc, const std::string& path, MessageSink& messages) {
    std::string bytes;
    if (const auto failure = ReadWholeFile(doc.Files(), path, bytes)) {
        messages.ShowMessage(*failure, MessageIcon::Warning);
        return TextReadOutcome::NotRead;
    }
    const int rows = ApplyTextTemplate(doc.Layout(), bytes, doc.keyLabels, doc.keyContents);
    if (rows != doc.KeyCount()) {
        messages.ShowMessage(kWrongRowCountMessage, MessageIcon::Warning);
        return TextReadOutcome::WrongRowCount;
    }
    return TextReadOutcome::Applied;
}

std::string DefaultTextTemplatePath(const CZELTDoc& doc) {
    return doc.WorkingDirectory() + "/" + doc.Layout().defaultTextFileName;
}

bool ExportTextData(CZELTDoc& doc, const std::string& path, MessageSink& messages) {
    if (!WriteTextTemplate(doc, path, messages)) {
        return false;
    }
    doc.SetTitle(TitleFor(FileNameOf(path), doc));
    return true;
}

TextReadOutcome ImportTextData(CZELTDoc& doc, const std::string& path, MessageSink& messages) {
    const TextReadOutcome outcome = ReadTextTemplate(doc, path, messages);
    // A file that could not be read changed nothing, the title included.
    if (outcome != TextReadOutcome::NotRead) {
        doc.SetTitle(TitleFor(FileNameOf(path), doc));
    }
    return outcome;
}

TextReadOutcome LoadDefaultTextData(CZELTDoc& doc, MessageSink& messages) {
    const std::string path = DefaultTextTemplatePath(doc);
    // The title names the default file even when it turns out to be missing, so the user sees
    // which file was looked for.
    doc.SetTitle(TitleFor(path, doc));
    return ReadTextTemplate(doc, path, messages);
}

} // namespace zelt

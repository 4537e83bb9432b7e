#pragma once

#include "CZELTDoc.h"
#include "MessageSink.h"

#include <cstddef>
#include <string>

namespace zelt {

// A text template holds one short row per key; anything far larger is not one, and reading it
// whole would only exhaust memory.
inline constexpr std::size_t kMaxTextTemplateSize = 16 * 1024 * 1024;

enum class TextReadOutcome {
    Applied,       // every row of the model was in the file
    WrongRowCount, // rows were applied, but the file did not have one row per key
    NotRead,       // the file could not be read; nothing changed
};

// Writes the labels and key contents of the current model as a text template. An existing
// file is replaced only once the new one is complete. False after the failure message.
bool WriteTextTemplate(const CZELTDoc& doc, const std::string& path, MessageSink& messages);

// Reads a text template into the labels and key contents of the current model. The image and
// the modified flag are not touched; the image is rebuilt from the contents when it is saved.
TextReadOutcome ReadTextTemplate(CZELTDoc& doc, const std::string& path, MessageSink& messages);

// The model's default text template in the folder the program was started in.
std::string DefaultTextTemplatePath(const CZELTDoc& doc);

// The three commands of the Template menu, with the title each one gives the document.
bool ExportTextData(CZELTDoc& doc, const std::string& path, MessageSink& messages);
TextReadOutcome ImportTextData(CZELTDoc& doc, const std::string& path, MessageSink& messages);
TextReadOutcome LoadDefaultTextData(CZELTDoc& doc, MessageSink& messages);

} // namespace zelt

#pragma once

#include "CZELTDoc.h"
#include "MessageSink.h"
#include "TransferProcedures.h"

namespace zelt {

class CZELTView;

// "Read From KB": reads the keyboard's template into the document through the port chosen at
// start-up, with the progress display in the view. A read that reached the blocks puts the
// view back on the first key, in the mode of its new content, whatever its outcome. A read that
// succeeded marks the document modified: it now differs from its file, and closing it asks
// whether to keep what came from the keyboard.
TransferResult RunReadFromKeyboard(CZELTDoc& document, CZELTView& view, MessageSink& messages);

// "Write Into KB": checks the selected key and then every key, encodes the contents into the
// image and sends it. A write that reached the blocks puts the view back on the first key. The
// key contents never change.
TransferResult RunWriteIntoKeyboard(CZELTDoc& document, CZELTView& view, MessageSink& messages);

} // namespace zelt

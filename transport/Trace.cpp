#include "Trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zelt {

void StderrTrace::Write(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

std::string RecordingTrace::Joined() const {
    std::string all;
    for (const auto& line : lines) {
        all += line;
    }
    return all;
}

TraceSink& DefaultTrace() {
    static StderrTrace toStderr;
    static NullTrace nowhere;
    const char* flag = std::getenv("ZELT_TRACE");
    if (flag != nullptr && std::strcmp(flag, "1") == 0) {
        return toStderr;
    }
    return nowhere;
}

void TraceF(TraceSink& sink, const char* format, ...) {
    if (!sink.Enabled()) {
        return;
    }
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length > 0) {
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<std::size_t>(length));
        sink.Write(text);
    }
    va_end(args);
}

} // namespace zelt

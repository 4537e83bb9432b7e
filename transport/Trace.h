#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelt {

// Receiver of the transports' diagnostic trace lines. The lines are for debugging a connection
// only: they are never shown to the user and never written to a file by the program.
class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void Write(std::string_view text) = 0;
    // False when lines are thrown away, so that callers can skip formatting them.
    virtual bool Enabled() const { return true; }
};

class NullTrace final : public TraceSink {
public:
    void Write(std::string_view) override {}
    bool Enabled() const override { return false; }
};

class StderrTrace final : public TraceSink {
public:
    void Write(std::string_view text) override;
};

class RecordingTrace final : public TraceSink {
public:
    void Write(std::string_view text) override { lines.emplace_back(text); }
    // Everything written, in order, as one text.
    std::string Joined() const;
    std::vector<std::string> lines;
};

// Standard error when the environment variable ZELT_TRACE is "1", otherwise nowhere.
// The returned sink lives as long as the program.
TraceSink& DefaultTrace();

// printf-style formatting into a sink, so the line formats can be kept exactly as written.
void TraceF(TraceSink& sink, const char* format, ...) __attribute__((format(printf, 2, 3)));

} // namespace zelt

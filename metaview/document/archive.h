#pragma once
// Where saved bytes go: a sink over a stream, or a file that replaces its target only after
// a complete, successful write, so a failed save never leaves a damaged or half-written file.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace metaview {

/// A destination for bytes; Write returns false once anything failed.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool Write(std::span<const std::byte> bytes) = 0;
};

/// Writes to a std::ostream.
class StreamSink : public ByteSink {
public:
    explicit StreamSink(std::ostream& out) : m_out(out) {}
    bool Write(std::span<const std::byte> bytes) override;

private:
    std::ostream& m_out;
};

/// Writes a temporary file beside the target and renames it over the target on Commit.
/// Without a successful Commit the temporary file is removed and the target is untouched.
class AtomicFile : public ByteSink {
public:
    /// Synced: on disk before it replaces the target, as a document must be. Cached: left to
    /// the system, for output that can be made again and is often read back at once.
    enum class Durability { Synced, Cached };
    explicit AtomicFile(std::filesystem::path target, Durability durability = Durability::Synced);
    ~AtomicFile() override;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool Write(std::span<const std::byte> bytes) override;
    /// Flushes (when Synced) and renames over the target; false with Error() set on failure.
    bool Commit();
    /// Why opening, writing or committing failed; empty while all went well.
    const std::string& Error() const { return m_error; }

private:
    void Fail(const std::string& what);
    void Discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temp;
    Durability m_durability;
    int m_fd = -1;
    std::string m_error;
};

/// Runs write on a temporary file that replaces path only when write and the commit
/// succeed. False with error set: the file error, or "\"path\": " + refusal when write
/// declined without one.
bool WriteFileAtomically(const std::filesystem::path& path,
                         const std::function<bool(ByteSink&)>& write, std::string_view refusal,
                         std::string& error);

/// The whole content of a file, or none with error set to a sentence naming the file.
std::optional<std::vector<std::byte>> ReadFileBytes(const std::filesystem::path& path,
                                                    std::string& error);

} // namespace metaview

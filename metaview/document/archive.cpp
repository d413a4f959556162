#include "metaview/document/archive.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace metaview {

namespace {

std::string Describe(const std::string& what, const std::filesystem::path& path) {
    return what + " \"" + path.string() + "\": " + std::strerror(errno);
}

// A fresh name beside the target; O_EXCL on open settles any race with other writers.
std::filesystem::path TempNameFor(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    const std::string name = "." + target.filename().string() + ".tmp" +
                             std::to_string(::getpid()) + "-" + std::to_string(++counter);
    return target.parent_path() / name;
}

} // namespace

bool StreamSink::Write(std::span<const std::byte> bytes) {
    m_out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(m_out);
}

AtomicFile::AtomicFile(std::filesystem::path target, Durability durability)
    : m_target(std::move(target)), m_durability(durability) {
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_temp = TempNameFor(m_target);
        m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST) break;
    }
    if (m_fd < 0) {
        m_temp.clear(); // the last name tried is not ours
        Fail(Describe("Cannot create a file beside", m_target));
        return;
    }
    struct stat old {};
    if (::stat(m_target.c_str(), &old) == 0) ::fchmod(m_fd, old.st_mode & 07777);
}

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Write(std::span<const std::byte> bytes) {
    const std::byte* p = bytes.data();
    std::size_t left = bytes.size();
    while (m_error.empty() && left > 0) {
        const ssize_t n = ::write(m_fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            Fail(Describe("Cannot write", m_target));
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return m_error.empty();
}

bool AtomicFile::Commit() {
    if (!m_error.empty()) return false;
    if (m_durability == Durability::Synced && ::fsync(m_fd) != 0)
        Fail(Describe("Cannot write", m_target));
    else if (::close(std::exchange(m_fd, -1)) != 0)
        Fail(Describe("Cannot write", m_target));
    else if (::rename(m_temp.c_str(), m_target.c_str()) != 0)
        Fail(Describe("Cannot replace", m_target));
    else
        m_temp.clear();
    return m_error.empty();
}

void AtomicFile::Fail(const std::string& what) {
    if (m_error.empty()) m_error = what;
    Discard();
}

void AtomicFile::Discard() {
    if (m_fd >= 0) ::close(std::exchange(m_fd, -1));
    if (!m_temp.empty()) ::unlink(m_temp.c_str());
    m_temp.clear();
}

bool WriteFileAtomically(const std::filesystem::path& path,
                         const std::function<bool(ByteSink&)>& write, std::string_view refusal,
                         std::string& error) {
    AtomicFile file(path);
    if (!write(file) && file.Error().empty()) {
        error = "\"" + path.string() + "\": " + std::string(refusal);
        return false;
    }
    if (file.Commit()) return true;
    error = file.Error();
    return false;
}

std::optional<std::vector<std::byte>> ReadFileBytes(const std::filesystem::path& path,
                                                    std::string& error) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        error = Describe("Cannot open", path);
        return std::nullopt;
    }
    // Read in chunks: the data itself, not a size a file system reports, bounds the buffer.
    std::vector<std::byte> data;
    std::byte chunk[65536];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        data.insert(data.end(), chunk, chunk + n);
    if (std::ferror(file.get())) {
        error = Describe("Cannot read", path);
        return std::nullopt;
    }
    return data;
}

} // namespace metaview

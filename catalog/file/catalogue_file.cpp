#include "catalog/file/catalogue_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace catalog {

namespace {

CatalogueStatus ReadFailure(int error) {
    return {CatalogueStatus::ReadError, CauseFromErrno(error)};
}

CatalogueStatus WriteFailure(int error) {
    return {CatalogueStatus::WriteError, CauseFromErrno(error)};
}

// Reads the whole file; its size on disk is what justifies the buffer.
CatalogueStatus ReadWholeFile(int fd, std::vector<std::byte>& data) {
    struct stat info {};
    if (fstat(fd, &info) != 0) return ReadFailure(errno);
    if (!S_ISREG(info.st_mode)) return {CatalogueStatus::ReadError, CauseInvalidFile};
    data.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t got = read(fd, data.data() + done, data.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return ReadFailure(errno);
        if (got == 0) break; // the file shrank meanwhile: parse what is there
        done += static_cast<std::size_t>(got);
    }
    data.resize(done);
    return {};
}

// 0 or the error number of the failed write.
int WriteAll(int fd, std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        ssize_t put = write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return errno;
        bytes = bytes.subspan(static_cast<std::size_t>(put));
    }
    return 0;
}

// A replaced file keeps its permissions; a new one gets the usual 0666 less the umask.
void SetModeFor(int fd, const std::string& path) {
    struct stat old {};
    if (stat(path.c_str(), &old) == 0) {
        fchmod(fd, old.st_mode & 07777);
        return;
    }
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
}

std::string FolderOf(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable; a failure here no longer endangers any data.
void SyncFolder(const std::string& path) {
    int dir = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    fsync(dir);
    close(dir);
}

CatalogueStatus WriteAndSync(int fd, const FileContent& content) {
    int error = 0;
    const ByteSink sink = [&](std::span<const std::byte> bytes) {
        error = WriteAll(fd, bytes);
        return error == 0;
    };
    if (!content(sink) && error == 0) error = EIO;
    if (error == 0 && fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && error == 0) error = errno;
    return error == 0 ? CatalogueStatus{} : WriteFailure(error);
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string LinkTarget(const std::string& path) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved) return path; // a new file, or a dangling link: write where asked
    std::string target = resolved;
    std::free(resolved);
    return target;
}

} // namespace

CatalogueStatus LoadCatalogueFile(CCatalogue& catalogue, const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return ReadFailure(errno);
    std::vector<std::byte> data;
    CatalogueStatus status = ReadWholeFile(fd, data);
    close(fd);
    return status.ok() ? catalogue.Load(data) : status;
}

CatalogueStatus SaveCatalogueFile(const CCatalogue& catalogue, const std::string& path) {
    return WriteFileAtomically(path, [&](const ByteSink& sink) { return catalogue.Save(sink); });
}

CatalogueStatus WriteFileAtomically(const std::string& link, const FileContent& content) {
    const std::string path = LinkTarget(link);
    std::string temp = path + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return WriteFailure(errno);
    SetModeFor(fd, path);
    CatalogueStatus status = WriteAndSync(fd, content);
    if (status.ok() && rename(temp.c_str(), path.c_str()) != 0) status = WriteFailure(errno);
    if (!status.ok()) {
        unlink(temp.c_str());
        return status;
    }
    SyncFolder(path);
    return status;
}

} // namespace catalog

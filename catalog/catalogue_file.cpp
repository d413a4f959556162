#include "catalog/catalogue_file.h"

#include <cerrno>
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

CatalogueStatus WriteAll(int fd, std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        ssize_t put = write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return WriteFailure(errno);
        bytes = bytes.subspan(static_cast<std::size_t>(put));
    }
    return {};
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

CatalogueStatus WriteAndSync(int fd, std::span<const std::byte> bytes) {
    CatalogueStatus status = WriteAll(fd, bytes);
    if (status.ok() && fsync(fd) != 0) status = WriteFailure(errno);
    if (close(fd) != 0 && status.ok()) status = WriteFailure(errno);
    return status;
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
    std::vector<std::byte> bytes;
    catalogue.Save(bytes);
    return WriteFileAtomically(path, bytes);
}

CatalogueStatus WriteFileAtomically(const std::string& path, std::span<const std::byte> bytes) {
    std::string temp = path + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return WriteFailure(errno);
    SetModeFor(fd, path);
    CatalogueStatus status = WriteAndSync(fd, bytes);
    if (status.ok() && rename(temp.c_str(), path.c_str()) != 0) status = WriteFailure(errno);
    if (!status.ok()) {
        unlink(temp.c_str());
        return status;
    }
    SyncFolder(path);
    return status;
}

} // namespace catalog

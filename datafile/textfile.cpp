#include "textfile.h"

#include "design/apperror.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace anodyne {
namespace fs = std::filesystem;

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the close (the last chance for a write error) succeeded.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A name beside `target` that no other file has, created exclusively.
int createTemporaryBeside(const fs::path& target, fs::path& tempPath)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + target.filename().string() + ".saving-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(counter++);
        tempPath = target.parent_path() / name;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void syncDirectory(const fs::path& dir)
{
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // best effort: the rename itself has already happened
        ::close(fd);
    }
}

} // namespace

std::string readWholeFile(const std::string& path)
{
    const std::string failure = "Cannot open file " + path;
    // Non-blocking, so that a named pipe cannot hang the window; it is refused below.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        raise(failure);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
        static_cast<std::size_t>(st.st_size) > kMaxAmpFileSize)
        raise(failure);
    std::string bytes;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raise(failure);
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxAmpFileSize) // grew while we read it
            raise(failure);
    }
    return bytes;
}

void replaceFile(const std::string& path, std::string_view bytes)
{
    const std::string failure = "Cannot create file " + path;
    if (path.find('\0') != std::string::npos)
        raise(failure);
    std::error_code ec;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (ec)
            raise(failure);
        target = resolved;
    }
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        raise(failure);

    fs::path tempPath;
    FileDescriptor fd(createTemporaryBeside(target, tempPath));
    if (fd.get() < 0)
        raise(failure);
    bool ok = true;
    if (exists) {
        // Best effort: only root may give the file back to its owner; anyone
        // else saving owns the file afterwards, as with a newly created one.
        [[maybe_unused]] const int owned = ::fchown(fd.get(), old.st_uid, old.st_gid);
        ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
    }
    ok = ok && writeAll(fd.get(), bytes);
    ok = ok && ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        raise(failure);
    }
    syncDirectory(target.parent_path());
}

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace anodyne

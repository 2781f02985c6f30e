#include "PosixFileOps.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every path out.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

} // namespace

bool PosixFileOps::readFile(const std::string& path, std::string& data, std::size_t limit)
{
    // Without blocking: a FIFO in place of a file would wait for a writer for ever.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    // Only regular files: a device such as /dev/zero would be read for ever.
    struct stat status {
    };
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        std::uint64_t(status.st_size) > limit)
        return false;
    std::string result;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        // A file that grows while it is read is held to the limit too.
        if (result.size() + std::size_t(n) > limit)
            return false;
        result.append(buffer, std::size_t(n));
    }
    data = std::move(result);
    return true;
}

bool PosixFileOps::writeFile(const std::string& path, std::string_view data)
{
    return replaceFile(path, data, true);
}

bool PosixFileOps::writeFileLater(const std::string& path, std::string_view data)
{
    return replaceFile(path, data, false);
}

bool PosixFileOps::replaceFile(const std::string& path, std::string_view data, bool durable)
{
    // Written beside the target and renamed over it: the old file stays whole until the new
    // one is complete on the disk (a full disk leaves the old one), and a link in the
    // target's place is replaced, never written through.
    std::string temporary = path + ".XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < data.size()) {
        const ssize_t n = ::write(fd.get(), data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += std::size_t(n);
    }
    ok = ok && (!durable || ::fsync(fd.get()) == 0);
    ok = fd.close() && ok;
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

bool PosixFileOps::rename(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileOps::removeFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool PosixFileOps::makeDirectory(const std::string& path)
{
    if (path.empty() || isDirectory(path))
        return !path.empty();
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !makeDirectory(path.substr(0, slash)))
        return false;
    return ::mkdir(path.c_str(), 0700) == 0 || (errno == EEXIST && isDirectory(path));
}

bool PosixFileOps::removeDirectory(const std::string& path)
{
    return ::rmdir(path.c_str()) == 0 || errno == ENOENT;
}

bool PosixFileOps::list(const std::string& path, std::vector<std::string>& names)
{
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return false;
    names.clear();
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    return true;
}

bool PosixFileOps::isDirectory(const std::string& path)
{
    struct stat info {
    };
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool PosixFileOps::isLink(const std::string& path)
{
    struct stat info {
    };
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool PosixFileOps::exists(const std::string& path)
{
    struct stat info {
    };
    return ::lstat(path.c_str(), &info) == 0;
}

bool PosixFileOps::syncDirectory(const std::string& path)
{
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.get() >= 0 && ::fsync(fd.get()) == 0;
}

bool PosixFileOps::syncFileSystem(const std::string& path)
{
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.get() >= 0 && ::syncfs(fd.get()) == 0;
}

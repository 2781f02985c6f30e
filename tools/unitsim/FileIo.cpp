#include "FileIo.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

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

} // namespace

namespace FileIo {

bool readFile(const std::string& path, std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            return n == 0;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

bool writeFile(const std::string& path, std::string_view bytes)
{
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes);
    if (::close(fd) != 0 || !written) {
        ::unlink(temporary.c_str());
        return false;
    }
    return ::rename(temporary.c_str(), path.c_str()) == 0;
}

bool appendFile(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

bool makeDirs(const std::string& path)
{
    // The state holds passwords (the credentials, the requests' Authorization headers): the
    // folder and every file in it are the user's alone.
    std::error_code error;
    std::filesystem::create_directories(path, error);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, error);
    return std::filesystem::is_directory(path, error);
}

} // namespace FileIo

#include "FolderLock.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

FolderLock::~FolderLock()
{
    release();
}

bool FolderLock::acquire(const std::string& folder, int waitMs, std::string& error)
{
    release();
    ::mkdir(folder.c_str(), 0700);
    const std::string path = folder + "/" + kFileName;
    // Never through a link: the lock file is the folder's own.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        error = "cannot lock " + folder + ": " + std::strerror(errno);
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error = "cannot lock " + folder + ": " + std::strerror(errno);
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            error = folder + " is being changed by another program; try again when it is done";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    release();
    return false;
}

void FolderLock::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

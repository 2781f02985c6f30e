#pragma once

#include <string>

// One writer at a time for a system folder: an exclusive lock (flock) on the file
// ".r4000-lock" in it, held from when a system is loaded for a change until it is saved, and
// by every save. Another program that holds it is waited for a bounded time; the lock goes
// with the object, or with the process however it ends. The lock file itself stays, so two
// programs never lock two different files of one name.
class FolderLock
{
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    static constexpr const char* kFileName = ".r4000-lock";

    // Locks folder (made when missing), waiting up to waitMs for another holder. False with
    // the reason when it is held still, or cannot be taken.
    bool acquire(const std::string& folder, int waitMs, std::string& error);
    bool held() const { return fd_ >= 0; }
    void release();

private:
    int fd_ = -1;
};

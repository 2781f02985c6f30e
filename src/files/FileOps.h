#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// The file-system operations the system folder is saved and loaded with. Saving goes through
// this interface so that a test can make any single step fail, or stop every step after it
// as a crash would, and show that the folder still loads.
class FileOps
{
public:
    virtual ~FileOps() = default;

    // A regular file's whole content; false for anything else, and for a file larger than
    // limit, which is then not read at all.
    virtual bool readFile(const std::string& path, std::string& data, std::size_t limit) = 0;
    bool readFile(const std::string& path, std::string& data)
    {
        return readFile(path, data, std::numeric_limits<std::size_t>::max());
    }
    // Creates or replaces the file with data, flushed to the disk: the file holds the old data
    // or all of the new, never a part (written beside it and renamed into place).
    virtual bool writeFile(const std::string& path, std::string_view data) = 0;
    // Atomically puts from in place of to.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    virtual bool removeFile(const std::string& path) = 0;
    // Creates the folder and any missing parent, private to the user; true when it exists.
    virtual bool makeDirectory(const std::string& path) = 0;
    virtual bool removeDirectory(const std::string& path) = 0;
    // The names in a folder ("." and ".." left out).
    virtual bool list(const std::string& path, std::vector<std::string>& names) = 0;
    virtual bool isDirectory(const std::string& path) = 0;
    // True for a symbolic link itself, whatever it points to: nothing is removed through one.
    virtual bool isLink(const std::string& path) = 0;
    virtual bool exists(const std::string& path) = 0;
    // Makes the folder's entries (renames, removals) durable.
    virtual bool syncDirectory(const std::string& path) = 0;

    // One of many files written together and made durable together afterwards: the same as
    // writeFile, but the data may still be on its way to the disk until syncFileSystem.
    virtual bool writeFileLater(const std::string& path, std::string_view data)
    {
        return writeFile(path, data);
    }
    // Makes everything written on the file system that holds path durable: one wait for the
    // disk instead of one per file.
    virtual bool syncFileSystem(const std::string& /*path*/) { return true; }
};

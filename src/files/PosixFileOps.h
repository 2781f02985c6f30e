#pragma once

#include "FileOps.h"

// FileOps on the real file system.
class PosixFileOps : public FileOps
{
public:
    using FileOps::readFile;
    bool readFile(const std::string& path, std::string& data, std::size_t limit) override;
    bool writeFile(const std::string& path, std::string_view data) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool removeFile(const std::string& path) override;
    bool makeDirectory(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    bool list(const std::string& path, std::vector<std::string>& names) override;
    bool isDirectory(const std::string& path) override;
    bool isLink(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool syncDirectory(const std::string& path) override;
    bool writeFileLater(const std::string& path, std::string_view data) override;
    bool syncFileSystem(const std::string& path) override;

private:
    // Written beside path and renamed into place; synced first when durable.
    static bool replaceFile(const std::string& path, std::string_view data, bool durable);
};

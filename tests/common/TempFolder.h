#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh folder under /tmp for one test or benchmark, removed with everything in it when
// the object goes.
class TempFolder
{
public:
    TempFolder()
    {
        char pattern[] = "/tmp/r4000-test-XXXXXX";
        if (::mkdtemp(pattern))
            path_ = pattern;
    }
    ~TempFolder()
    {
        if (!path_.empty())
            std::filesystem::remove_all(path_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

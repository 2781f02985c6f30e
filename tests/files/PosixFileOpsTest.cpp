// The file operations on the real file system: what a write leaves when it cannot finish,
// and what is never followed or waited for.
#include "PosixFileOps.h"

#include "FileSizeLimit.h"
#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::size_t entries(const std::string& folder)
{
    return std::size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// A file is replaced by a whole new one or not at all: on a full disk the old data stays.
TEST(PosixFileOps, WriteThatCannotFinishKeepsTheOldFile)
{
    TempFolder folder;
    PosixFileOps files;
    const std::string path = folder.path() + "/001.cfg";
    const std::string old(1000, 'o');
    ASSERT_TRUE(files.writeFile(path, old));
    {
        const FileSizeLimit full(4096);
        EXPECT_FALSE(files.writeFile(path, std::string(10000, 'n')));
    }
    std::string kept;
    ASSERT_TRUE(files.readFile(path, kept));
    EXPECT_EQ(kept, old);
    EXPECT_EQ(entries(folder.path()), 1u);

    ASSERT_TRUE(files.writeFile(path, "new"));
    ASSERT_TRUE(files.readFile(path, kept));
    EXPECT_EQ(kept, "new");
    struct stat info {
    };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// A link in a file's place is replaced by the file, never written through; a FIFO is no file
// to read, and reading it does not wait for a writer.
TEST(PosixFileOps, LinksAreNotWrittenThroughAndFifosNotWaitedFor)
{
    TempFolder folder;
    PosixFileOps files;
    const std::string outside = folder.path() + "/outside.txt";
    ASSERT_TRUE(files.writeFile(outside, "keep"));
    const std::string link = folder.path() + "/R4000.ini";
    fs::create_symlink(outside, link);
    EXPECT_TRUE(files.isLink(link));
    ASSERT_TRUE(files.writeFile(link, "[startup]\r\n"));
    std::string text;
    ASSERT_TRUE(files.readFile(outside, text));
    EXPECT_EQ(text, "keep");
    EXPECT_FALSE(files.isLink(link));

    const std::string fifo = folder.path() + "/Plant.sys";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(files.readFile(fifo, text));
}

} // namespace

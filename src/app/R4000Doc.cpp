#include "R4000Doc.h"

#include "DataFolder.h"
#include "FileOps.h"
#include "InitialFile.h"

R4000Doc::R4000Doc(FileOps& files, std::string dataFolder, std::string newSystemEntry)
    : files_(files), dataFolder_(std::move(dataFolder)),
      selection_(files, dataFolder_, std::move(newSystemEntry))
{
}

std::string R4000Doc::path() const
{
    return dataFolder_ + "/" + std::string(InitialFile::kName);
}

std::string R4000Doc::lastSystem() const
{
    std::string text;
    if (!files_.readFile(path(), text))
        return {};
    return InitialFile::lastSystem(text);
}

bool R4000Doc::save(const std::string& currentName)
{
    return DataFolder::ensure(files_, dataFolder_) &&
           files_.writeFile(path(), InitialFile::write(currentName));
}

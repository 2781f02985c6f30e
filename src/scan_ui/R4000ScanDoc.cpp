#include "R4000ScanDoc.h"

#include "FileOps.h"
#include "ScanCsv.h"

#include <algorithm>
#include <array>

bool R4000ScanDoc::isListed(const ScanElement& unit)
{
    static const std::array<std::string, 6> equipment = {"R-4100EX", "R-4120EX", "R-4100MI",
                                                         "R-4700MS", "R-4720MS", "R-4760DS"};
    return std::find(equipment.begin(), equipment.end(), unit.modelName) != equipment.end();
}

std::string R4000ScanDoc::modelLabel(const std::string& model)
{
    return model == "R-4720MS" ? "R-4720/5MS" : model;
}

bool R4000ScanDoc::saveCsv(FileOps& files, const std::string& path) const
{
    return files.writeFile(path, ScanCsv::write(csvRows()));
}

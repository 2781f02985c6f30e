#pragma once

#include "Scan.h"

#include <string>

class FileOps;

// The Unit Scanning Tool's document: the scan itself, whose table of units found is what
// the tool shows and saves.
class R4000ScanDoc : public Scan
{
public:
    explicit R4000ScanDoc(Scan::Options options = {}) : Scan(std::move(options)) {}

    // Only the equipment models are listed; other units stay in the table and the file.
    static bool isListed(const ScanElement& unit);
    // How the list names a model: "R-4720/5MS" for the R-4720MS, else the model itself.
    static std::string modelLabel(const std::string& model);

    bool saveCsv(FileOps& files, const std::string& path) const;
};

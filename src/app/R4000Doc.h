#pragma once

#include "SystemSelection.h"

#include <string>

class FileOps;

// The initial file "R4000.ini" in the data folder, and the table of known systems the
// system-selection dialog offers.
class R4000Doc
{
public:
    R4000Doc(FileOps& files, std::string dataFolder, std::string newSystemEntry);

    // The system that was current when the program last ended; empty without a file.
    std::string lastSystem() const;
    // Writes the initial file with name. False when the file cannot be written.
    bool save(const std::string& currentName);

    SystemSelection& selection() { return selection_; }

private:
    std::string path() const;

    FileOps& files_;
    std::string dataFolder_;
    SystemSelection selection_;
};

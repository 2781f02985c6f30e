#pragma once

#include <iosfwd>
#include <optional>
#include <string>

class SystemStore;

// "r4000ctl print": the System Setting Tool's configuration report of a system as a PDF
// file, in the language the program would show, without a window.
class PrintCommand
{
public:
    PrintCommand(const SystemStore& store, std::ostream& out);

    // Pages "FROM-TO" (or one page "N") of the report into pdf; the whole report without.
    // A range that starts beyond the report is refused before anything is written; an
    // existing file is replaced only by a whole new report.
    int print(const std::string& name, const std::string& pdf,
              const std::optional<std::string>& pages);

private:
    const SystemStore& store_;
    std::ostream& out_;
};

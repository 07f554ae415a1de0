#pragma once
// korvex-run --convert [--layout 2015|2013|3.0|2.0] IN OUT: opens a data file
// of any layout with the project reader and saves it in the 2015 layout,
// with the stage files of a staged project beside OUT.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace korvex::run {

// `args` follow "--convert"; `definitions` is the table definition file.
// Exit status: 0 written, 1 a read or write error (OUT not written after a
// token error), 2 a usage error.
int run_convert(const std::vector<std::string>& args, const std::filesystem::path& definitions,
                std::ostream& out, std::ostream& err);

// The usage line of the command.
inline constexpr const char* kConvertUsage =
    "       korvex-run --convert [--layout 2015|2013|3.0|2.0] IN OUT\n"
    "Opens IN (layout by extension: .kv4d 2013, .kvd 3.0, else 2015) and saves it to\n"
    "OUT in the 2015 layout, stage files (.st1 ...) beside OUT.\n";

}  // namespace korvex::run

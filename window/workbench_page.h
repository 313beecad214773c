#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/main_form.h"

namespace segcalc {

// 工作台 opens the web edition's page with the window's measurements in it.
// A file address loses its #fragment on the way through xdg-open or
// ShellExecute, so the job travels inside a copy of the page instead.

inline constexpr char kWorkbenchPageName[] = "segcalc.html";

// Where the page may be, in the order they are tried: beside the program
// (where the Windows zip and installer put it), the data folder the build
// installs to, ../share/segcalc/ from the program (an install moved
// elsewhere, or a package whose prefix is not the build's), and last the web
// build's own page, for a program run from its build tree.
std::vector<std::filesystem::path> WorkbenchPageCandidates(
    const std::filesystem::path& program_folder);

// The first place that holds a file; empty when none does.
std::filesystem::path FirstExistingFile(const std::vector<std::filesystem::path>& places);

// The page's job as a data block: the three measurement boxes exactly as they
// stand, the check box and the window's decimal and thousands separators,
// under the keys the page keeps in its address fragment. A data block is never run, so the page's
// policy, which allows only its own scripts by their hashes, does not come into it.
std::string WorkbenchJobBlock(const MainForm& form);

// The page with the block at the end of its head, before any of its scripts
// runs; nothing when the text has no head to put it in.
std::optional<std::string> PageWithJob(std::string_view page, std::string_view block);

}  // namespace segcalc

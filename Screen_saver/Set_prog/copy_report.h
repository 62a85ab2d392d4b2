#pragma once
// The text of the result message.

#include <string>
#include <vector>

#include "Module1.h"
#include "install_files.h"

namespace hc::setup {

// How every part of the result message parts and indents its lines.
inline constexpr char kLineBreak[] = "\r\n";
inline constexpr char kIndent[] = "   ";

// The heading, a line for each file copied or left in place, in order; then, when anything
// failed, a second heading and a line for each failure with its reason. Lines are joined by
// CR LF and indented by three spaces.
std::string CopyReport(const Module1& module, const std::vector<FileResult>& results);

// The heading that says the screensaver is in `target` already and nothing was copied, with
// the folder on the next line, indented.
std::string InstalledAlreadyReport(const Module1& module, const std::string& target);

}  // namespace hc::setup

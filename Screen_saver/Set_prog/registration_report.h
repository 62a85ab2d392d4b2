#pragma once
// The part of the result message on the desktop's list of screensavers.

#include <string>

#include "Module1.h"
#include "system.h"

namespace hc::setup {

// Empty when the desktop keeps no list; otherwise a blank line, the heading for what became
// of the entry, and indented below it the list's file, the copy of its former text, and
// what went wrong, each when there is one. Lines are joined by CR LF.
std::string RegistrationReport(const Module1& module, const ScreensaverRegistration& registration);

}  // namespace hc::setup

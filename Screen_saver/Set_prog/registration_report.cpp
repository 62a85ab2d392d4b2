#include "registration_report.h"

#include "copy_report.h"

namespace hc::setup {

std::string RegistrationReport(const Module1& m, const ScreensaverRegistration& r) {
  using Outcome = ScreensaverRegistration::Outcome;
  std::string heading;
  switch (r.outcome) {
    case Outcome::kNoList:
      return {};
    case Outcome::kAdded:
      heading = m.MsgRegistered;
      break;
    case Outcome::kListedAlready:
      heading = m.MsgListedAlready;
      break;
    case Outcome::kFailed:
      heading = m.MsgNotRegistered;
      break;
  }
  std::string report = std::string(kLineBreak) + kLineBreak + heading;
  report += kLineBreak + (kIndent + r.list);
  if (!r.backup.empty()) report += kLineBreak + (kIndent + m.MsgFormerListKept + r.backup);
  // The platform's own words are the only ones that say what exactly went wrong.
  if (!r.detail.empty()) report += kLineBreak + (kIndent + r.detail);
  return report;
}

}  // namespace hc::setup

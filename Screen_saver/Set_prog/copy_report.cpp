#include "copy_report.h"

namespace hc::setup {

namespace {

std::string Reason(const Module1& m, const FileResult& r) {
  std::string reason;
  switch (r.outcome) {
    case Outcome::kTargetUnusable:
      reason = m.MsgTargetUnusable;
      break;
    case Outcome::kNotWritten:
      reason = m.MsgNotWritten;
      break;
    case Outcome::kSwapNeedsBackground:
      reason = m.MsgSwapNeedsBackground;
      break;
    case Outcome::kSwapNameTaken:
      reason = m.MsgSwapNameTaken;
      break;
    case Outcome::kNotRestored:
      reason = m.MsgNotRestored;
      break;
    case Outcome::kNotDeleted:
      reason = m.MsgNotDeleted;
      break;
    case Outcome::kCopied:
    case Outcome::kExistsAlready:
      break;
  }
  // The platform's own words are the only ones that say what exactly went wrong.
  if (!r.detail.empty()) reason += " (" + r.detail + ")";
  return reason;
}

bool Failed(const FileResult& r) {
  return r.outcome != Outcome::kCopied && r.outcome != Outcome::kExistsAlready;
}

}  // namespace

std::string CopyReport(const Module1& m, const std::vector<FileResult>& results) {
  std::string report = m.MsgFilesCopied;
  for (const FileResult& r : results) {
    if (r.outcome == Outcome::kCopied) report += kLineBreak + (kIndent + r.name);
    if (r.outcome == Outcome::kExistsAlready)
      report += kLineBreak + (kIndent + r.name) + m.MsgExistsAlready;
  }
  bool heading = false;
  for (const FileResult& r : results) {
    if (!Failed(r)) continue;
    if (!heading) report += std::string(kLineBreak) + kLineBreak + m.MsgFilesFailed;
    heading = true;
    report += kLineBreak + (kIndent + r.name) + ": " + Reason(m, r);
  }
  return report;
}

std::string InstalledAlreadyReport(const Module1& m, const std::string& target) {
  return m.MsgInstalledAlready + kLineBreak + (kIndent + target);
}

}  // namespace hc::setup

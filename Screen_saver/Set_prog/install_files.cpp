#include "install_files.h"

#include "paths.h"

namespace hc::setup {

namespace {

class Installer {
 public:
  Installer(System& system, const std::string& source, const std::string& target)
      : system_(system), separator_(system.PathSeparator()), source_(source), target_(target) {}

  std::vector<FileResult> Run() {
    const bool swapped = SwapInWideBackground();
    CopySetupFiles();
    if (swapped) PutBackgroundBack();
    return std::move(results_);
  }

 private:
  std::string Path(const std::string& folder, const std::string& name) const {
    return JoinPath(folder, name, separator_);
  }
  bool Holds(const std::string& folder, const std::string& name) {
    return !system_.FirstFile(Path(folder, name)).empty();
  }
  FileError CopyInSource(const std::string& from, const std::string& to) {
    return system_.FileCopy(Path(source_, from), Path(source_, to));
  }
  void Add(const std::string& name, Outcome outcome, std::string detail = {}) {
    results_.push_back({name, outcome, std::move(detail)});
  }

  // The wide-screen picture takes the usual background's name in the source folder for
  // the copy loop, the usual one waiting under the kept name. True when the undo must run.
  bool SwapInWideBackground() {
    if (system_.Screen().width != kWideScreenTwips || !Holds(source_, kWideBackgroundFile))
      return false;
    if (!Holds(source_, kBackgroundFile)) {
      Add(kWideBackgroundFile, Outcome::kSwapNeedsBackground);
      return false;
    }
    // The undo deletes the kept name, so whatever is there already would be lost.
    if (Holds(source_, kKeptBackgroundFile)) {
      Add(kWideBackgroundFile, Outcome::kSwapNameTaken);
      return false;
    }
    if (FileError e = CopyInSource(kBackgroundFile, kKeptBackgroundFile)) {
      Add(kWideBackgroundFile, Outcome::kNotWritten, e.message);
      return false;
    }
    // Copies replace their target only when they succeed, so a failure here leaves the
    // usual background in place and the undo harmless.
    if (FileError e = CopyInSource(kWideBackgroundFile, kBackgroundFile))
      Add(kWideBackgroundFile, Outcome::kNotWritten, e.message);
    return true;
  }

  void CopySetupFiles() {
    // An empty box would otherwise put the files into the root folder.
    const bool target_usable = !target_.empty() && !system_.CheckFolder(target_);
    for (const std::string& name : SetupFiles(system_)) {
      if (!Holds(source_, name)) continue;
      if (!target_usable) {
        Add(name, Outcome::kTargetUnusable);
        continue;
      }
      // Another program may have installed a newer control file; it stays.
      if (name == kDialogControlFile && Holds(target_, name)) {
        Add(name, Outcome::kExistsAlready);
        break;
      }
      if (FileError e = system_.FileCopy(Path(source_, name), Path(target_, name)))
        Add(name, Outcome::kNotWritten, e.message);
      else
        Add(name, Outcome::kCopied);
    }
  }

  void PutBackgroundBack() {
    // Without the usual background back in place, the kept copy is the only one left.
    if (FileError e = CopyInSource(kKeptBackgroundFile, kBackgroundFile)) {
      Add(kBackgroundFile, Outcome::kNotRestored, e.message);
      return;
    }
    if (FileError e = system_.RemoveFile(Path(source_, kKeptBackgroundFile)))
      Add(kKeptBackgroundFile, Outcome::kNotDeleted, e.message);
  }

  System& system_;
  const std::string separator_;
  const std::string& source_;
  const std::string& target_;
  std::vector<FileResult> results_;
};

}  // namespace

std::array<std::string, 3> SetupFiles(System& system) {
  return {system.ScreensaverFileName(), kBackgroundFile, kDialogControlFile};
}

std::vector<FileResult> InstallFiles(System& system, const std::string& source,
                                     const std::string& target) {
  return Installer(system, source, target).Run();
}

}  // namespace hc::setup

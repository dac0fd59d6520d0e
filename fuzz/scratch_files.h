// ScratchFiles: the files one fuzz run works on, in the temporary folder.
//
// The names carry the process id, so that fuzzing jobs and test runs going
// on at the same time never share a file; the files are removed when the run
// ends, so that a damaged TM that grew huge does not stay behind. A TM's
// rollback journal goes with it: one left over from an earlier input would
// roll the next one back.

#ifndef TARVENNA_FUZZ_SCRATCH_FILES_H_
#define TARVENNA_FUZZ_SCRATCH_FILES_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ScratchFiles {
 public:
  ScratchFiles() = default;
  ~ScratchFiles();
  ScratchFiles(const ScratchFiles&) = delete;
  ScratchFiles& operator=(const ScratchFiles&) = delete;

  // The path of the scratch file `name` (a plain file name), which does not
  // exist yet.
  std::string Path(const std::string& name);

 private:
  std::vector<std::string> paths_;
};

// Writes `size` bytes to a new file at `path`. False when that failed.
bool WriteWholeFile(const std::string& path, const uint8_t* data, size_t size);

#endif  // TARVENNA_FUZZ_SCRATCH_FILES_H_

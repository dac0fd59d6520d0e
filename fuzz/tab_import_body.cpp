// FuzzTabImport: arbitrary bytes as a tab-delimited file imported into a new
// TM, the way a translator brings in a file from another tool.

#include <string>

#include "exercise_store.h"
#include "fuzz_bodies.h"
#include "fuzz_check.h"
#include "scratch_files.h"
#include "tm_store.h"

namespace {

// Lines end at LF, and a last line without one is a line too.
int32_t LinesIn(const uint8_t* data, size_t size) {
  int32_t lines = 0;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') ++lines;
  }
  return size > 0 && data[size - 1] != '\n' ? lines + 1 : lines;
}

}  // namespace

void FuzzTabImport(const uint8_t* data, size_t size) {
  ScratchFiles scratch;
  const std::string input = scratch.Path("import.txt");
  const std::string path = scratch.Path("imported.vrx");
  if (!WriteWholeFile(input, data, size)) return;

  TmStore store;
  Require(store.Open(path.c_str(), false, "EN-US", "FR-FR", "windows-1252"),
          "a new TM is created");
  int32_t lines = 0, added = 0, empty = 0, present = 0, failed = 0;
  Require(store.ImportTabDelimited(input.c_str(), lines, added, empty,
                                   present, failed),
          "an existing file imports");
  Require(lines == LinesIn(data, size), "every line is read");
  Require(lines == added + empty + present + failed,
          "every line has one outcome");
  Require(store.EntryCount() == added, "every added line is counted");

  std::string firstSource = "Save &As...";
  Require(WalkKeys(store, firstSource) == added,
          "the walk reaches every imported entry");
  QueryAll(store, firstSource);
  ExportBoth(store, scratch);
  store.Close();

  TmStore reopened;
  Require(reopened.Open(path.c_str(), true, nullptr, nullptr, nullptr) &&
              reopened.EntryCount() == added,
          "the import was saved");
}

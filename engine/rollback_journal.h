// The rollback journal: keeps a TM's last saved state restorable while the
// TM is being changed, so that a crash at any moment loses only the changes
// since the last completed save.
//
// Adding an entry writes its record over the start of the KeyIndex as last
// saved, and saving rewrites the header and the whole KeyIndex; until the
// save completes, the file on disk is neither the old TM nor the new one.
// So before the first such write, the bytes it may overwrite (the header,
// and everything from the saved index offset to the end of the file) are
// copied to "<TM path>-journal" and made durable. A completed save deletes
// the journal. A journal found beside a TM belongs to a change that never
// completed: putting its bytes back and cutting the file to its old length
// gives the TM as last saved.
//
// Journal file, integers little-endian:
//   8  magic "TvJrnl01"
//   4  checksum (FNV-1a, 32 bits) of everything after this field
//   4  the TM's length when the change began
//   4  H, length of the saved header bytes (at most 82)
//   4  R, offset of the saved region
//   4  N, length of the saved region (the TM's length minus R, or 0)
//   H  the TM's first H bytes
//   N  the TM's bytes from R on
// A journal that is cut short or fails its checksum was never complete, and
// so no write to the TM had begun: it is deleted and the TM left alone.

#ifndef TARVENNA_ENGINE_ROLLBACK_JOURNAL_H_
#define TARVENNA_ENGINE_ROLLBACK_JOURNAL_H_

#include <cstdint>
#include <cstdio>
#include <string>

std::string JournalPath(const std::string& tmPath);
bool JournalExists(const std::string& tmPath);

// Saves what a change of `tm` may overwrite, given the index offset of its
// last save, and makes the journal durable before returning true.
bool WriteJournal(std::FILE* tm, const std::string& tmPath,
                  uint32_t savedIndexOffset);

// Deletes the journal once the change is durable in the TM.
bool DeleteJournal(const std::string& tmPath);

enum class Recovery {
  kNothingToDo,  // no journal, or one that never completed (now deleted)
  kRolledBack,   // the TM is back at its last save; the journal is deleted
  kFailed,       // the TM could not be restored; the journal stays
};

// Restores `tm`, open for reading and writing, from its journal, if any.
Recovery RollBackFromJournal(std::FILE* tm, const std::string& tmPath);

#endif  // TARVENNA_ENGINE_ROLLBACK_JOURNAL_H_

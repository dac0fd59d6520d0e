// TmEngine: the engine layer of TmStore. It owns one open TM file, its
// header values and its KeyIndex, and carries every operation on them.
// TmStore (tm_store.h) adds the query state on top.
//
// Contract:
// - At most one TM is open. Every operation but Open, Close and the
//   accessors expects one to be open and otherwise reports failure.
// - The whole KeyIndex is in memory while the TM is open; entries are read
//   from the file by offset whenever they are needed, never cached.
// - Failures are results (false, -1, an AddOutcome); nothing is thrown and
//   nothing is shown.
// - Entries added since the last SaveIndex are in the file but not yet
//   described by its header: callers call SaveIndex after adding. Until
//   then a rollback journal beside the TM keeps its last saved state, which
//   Open restores after a crash and Close restores when the changes were
//   never saved: a TM always opens with exactly the entries of its last
//   completed save.
// - While a TM is open for writing, an exclusive lock keeps every other
//   store, in this process or another, from opening it for writing.
// - Uses only the C runtime's buffered streams and the standard library.
// - One thread; not copyable.

#ifndef TARVENNA_ENGINE_TM_ENGINE_H_
#define TARVENNA_ENGINE_TM_ENGINE_H_

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "duplicate_index.h"
#include "key_index.h"
#include "key_record.h"
#include "source_key.h"
#include "tm_entry.h"
#include "tm_format.h"
#include "tm_match.h"
#include "word_index.h"

// The result of AddEntry.
enum class AddOutcome : int {
  kError = 1,           // not added: out of memory, a text too long, a
                        // failed seek or write, a read-only or closed store
  kAdded = 2,
  kEmpty = 3,           // the source has no key words
  kAlreadyPresent = 4,  // same source, target and type are stored already
};

// Told, now and then during an import or an export, how many lines or
// entries are done, so that a program can show progress and keep its window
// alive. It must not use the store.
using ProgressCallback = std::function<void(int32_t done)>;

class TmEngine {
 public:
  // How many lines or entries pass between two calls of a ProgressCallback.
  static constexpr int32_t kProgressInterval = 4096;

  TmEngine() = default;
  ~TmEngine();
  TmEngine(const TmEngine&) = delete;
  TmEngine& operator=(const TmEngine&) = delete;

  // Opens the TM at `path`, closing any open one first. A missing file is
  // created (unless `readOnly`) with the given header strings and saved at
  // once as an empty TM. An existing file must start with the magic and a
  // whole header; when `sourceLocale` or `targetLocale` is given it must
  // equal the stored one exactly. `encoding` only names a new TM's encoding.
  // Any of the three strings may be null. False leaves the store closed;
  // InUseByAnother then tells whether another store holds the TM.
  bool Open(const char* path, bool readOnly, const char* sourceLocale,
            const char* targetLocale, const char* encoding);

  // Replaces each header string that is not null. Writes nothing.
  void SetHeaderStrings(const char* sourceLocale, const char* targetLocale,
                        const char* encoding);

  // Writes the header at offset 0 and the whole KeyIndex at the index
  // offset, makes them durable and deletes the journal. Nothing to write
  // when nothing changed since the last save. False for a read-only or
  // closed store or when a seek, write or flush failed; memory is unchanged
  // either way, so a later call writes the same bytes again.
  bool SaveIndex();

  // Closes the file and drops the KeyIndex. Changes never saved are rolled
  // back. Header strings, path and read-only flag stay as they were.
  void Close();

  // Reads the entry record at `offset`. False when no TM is open, the seek
  // fails, a text is longer than kMaxTextLength or the record is cut short.
  bool ReadEntry(TmEntry& entry, int32_t offset);

  // The walk over the KeyIndex in the order entries were added: FirstKey,
  // then NextKey until it returns -1. Each returns the entry offset of the
  // record it moved to. A record cut short at the end of a damaged index is
  // never reached.
  int32_t FirstKey();
  int32_t NextKey();
  // The record the walk stands at; false before FirstKey or after the end.
  bool CurrentKey(KeyRecord* record) const;

  // Scores `text` against every KeyRecord and appends a TmMatch for each
  // whose score reaches `threshold` percent, in KeyIndex order. Returns how
  // many were appended. Moves the file position. Records that share no word
  // with the text are passed over through the word index unless the
  // threshold accepts a score of 0.
  int32_t FindMatches(const char* text, int32_t threshold, bool concordance,
                      TmMatchList& list);

  // The same, by scoring every record in turn: the plain algorithm, which
  // FindMatches must always agree with hit for hit.
  int32_t FindMatchesByScan(const char* text, int32_t threshold,
                            bool concordance, TmMatchList& list);

  // Adds one entry, unless its source has no key words or an entry with the
  // same source, target and type (byte for byte) is stored already. On
  // kAdded the record is in the file and the KeyIndex; on any other outcome
  // nothing has changed. Texts are NUL-terminated and never null.
  AddOutcome AddEntry(const char* source, const char* target,
                      const char* type, const char* id, int32_t x, int32_t y,
                      int32_t cx, int32_t cy);

  // Interchange with other tools; these live in interchange/ and its
  // library. None of them writes to the TM file they export or import into
  // when given that file's own name: they fail instead.

  // Writes the whole TM as an OpenTag 1.2 document in the TM's own 8-bit
  // encoding, with CR LF line ends. False when the file cannot be opened or
  // written, or an entry cannot be read (the document then ends before it).
  bool ExportOpenTag(const char* fileName, const char* toolName,
                     bool withKeys, const ProgressCallback& progress = {});

  // Writes the whole TM as a TMX 1.1 document in UTF-16 little-endian with
  // a byte-order mark and CR LF line ends. Results as ExportOpenTag.
  bool ExportTmx(const char* fileName, const char* toolName,
                 const char* toolVersion, bool withKeys,
                 const ProgressCallback& progress = {});

  // Adds one entry per line of a tab-delimited file
  // (Source<TAB>Target[<TAB>ID[<TAB>Type]]), counting each line's outcome,
  // then saves the index once. False, with every count 0 and the TM
  // untouched, when the file cannot be opened.
  bool ImportTabDelimited(const char* fileName, int32_t& linesRead,
                          int32_t& added, int32_t& empty,
                          int32_t& alreadyPresent, int32_t& failed,
                          const ProgressCallback& progress = {});

  bool IsOpen() const { return file_ != nullptr; }
  // Whether the last Open failed because another store, in this process or
  // another, has the TM open for writing or is in the middle of a change.
  bool InUseByAnother() const { return inUseByAnother_; }
  // Whether entries were added (or header strings set) since the last save.
  bool HasUnsavedChanges() const { return unsaved_; }
  bool IsReadOnly() const { return readOnly_; }
  const std::string& Path() const { return path_; }
  const std::string& SourceLocale() const { return header_.sourceLocale; }
  const std::string& TargetLocale() const { return header_.targetLocale; }
  const std::string& EncodingName() const { return header_.encodingName; }
  int32_t EntryCount() const { return header_.entryCount; }
  uint32_t IndexOffset() const { return header_.indexOffset; }
  uint32_t IndexSize() const { return keys_.size(); }
  const KeyIndex& Keys() const { return keys_; }

  // Bytes held in memory for the open TM beyond the KeyIndex itself: the
  // duplicate and word indexes, once built.
  size_t IndexMemoryUsage() const;

 private:
  bool CreateEmpty(const char* sourceLocale, const char* targetLocale,
                   const char* encoding);
  bool LoadExisting(const char* sourceLocale, const char* targetLocale);
  bool LockForWriting();
  bool RecoverFromJournal();
  bool BeginChange();
  void EnsureDuplicateIndex();
  void EnsureWordIndex();
  bool HoldsEntry(const SourceKey& key, const char* source,
                  const char* target, const char* type);
  bool AppendIfHit(const KeyRecord& record,
                   const std::vector<KeyWord>& queryWords, const char* text,
                   bool concordance, float minimum,
                   std::vector<KeyWord>& recordWords, TmMatchList& list);

  // The header's values; its index size is only read by Open, since keys_
  // holds the index and knows its size from then on.
  TmHeader header_;
  std::string path_;
  std::FILE* file_ = nullptr;
  bool readOnly_ = false;
  KeyIndex keys_;
  uint32_t savedIndexOffset_ = kTmHeaderSize;  // as the file's header says
  bool unsaved_ = false;
  bool journalWritten_ = false;
  bool inUseByAnother_ = false;
  // Both built on first use, since opening a TM and querying it need only
  // one of them; both dropped at Close.
  DuplicateIndex duplicates_;
  bool duplicatesBuilt_ = false;
  WordIndex words_;
  std::vector<uint32_t> candidates_;  // reused by every FindMatches
  uint32_t keyCursor_ = 0;
  bool keyCursorValid_ = false;
};

#endif  // TARVENNA_ENGINE_TM_ENGINE_H_

// A TM survives crashes, full disks and a second writer: it always opens
// with exactly the entries of its last completed save.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <string>

#include "rollback_journal.h"
#include "tm_fixture.h"

namespace {

// Entry i of the deterministic sequence the writers below add: the number
// is spelt in letters, since digits make no key words.
std::string Letters(int i) {
  std::string letters;
  do {
    letters += static_cast<char>('a' + i % 26);
    i /= 26;
  } while (i > 0);
  return letters;
}
std::string SourceOf(int i) { return "Entry " + Letters(i) + " of the sequence"; }
// Long enough that an import's records reach the disk before its save.
std::string TargetOf(int i) { return "Cible " + Letters(i) + std::string(150, '.'); }

// Runs `body` in a child process, which ends without any cleanup of its own.
pid_t StartChild(const std::function<void()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    body();
    _exit(0);
  }
  return child;
}

int WaitFor(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

class CrashSafetyTest : public TmFixture {
 protected:
  void AddSequence(int from, int to) {
    for (int i = from; i < to; ++i) {
      ASSERT_EQ(Add(SourceOf(i), TargetOf(i)), AddOutcome::kAdded);
    }
  }

  // The TM must hold entries 0 to count - 1 of the sequence, in order.
  void ExpectSequence(TmStore& store, int count) {
    ASSERT_EQ(store.EntryCount(), count);
    TmEntry entry;
    int i = 0;
    for (int32_t offset = store.FirstKey(); offset != -1; offset = store.NextKey(), ++i) {
      ASSERT_TRUE(store.ReadEntry(entry, offset)) << i;
      ASSERT_EQ(entry.source, SourceOf(i));
      ASSERT_EQ(entry.target, TargetOf(i));
    }
    ASSERT_EQ(i, count);
  }

  bool JournalThere() { return JournalExists(path_); }
};

TEST_F(CrashSafetyTest, JournalLivesOnlyWhileAChangeIsUnsaved) {
  EXPECT_FALSE(JournalThere());
  AddSequence(0, 2);
  EXPECT_TRUE(JournalThere());
  ASSERT_TRUE(store_.SaveIndex());
  EXPECT_FALSE(JournalThere());
  EXPECT_EQ(Add(SourceOf(0), TargetOf(0)), AddOutcome::kAlreadyPresent);
  EXPECT_EQ(Add("12"), AddOutcome::kEmpty);
  EXPECT_FALSE(JournalThere());
  ASSERT_TRUE(store_.SaveIndex());
  EXPECT_FALSE(JournalThere());
}

TEST_F(CrashSafetyTest, OpenRollsBackAChangeACrashInterrupted) {
  AddSequence(0, 3);
  ASSERT_TRUE(store_.SaveIndex());
  store_.Close();
  const Bytes saved = ReadBytes(path_);
  // Enough entries that their records reach the disk over the old index.
  const pid_t child = StartChild([this] {
    TmStore store;
    store.Open(path_.c_str(), false, nullptr, nullptr, nullptr);
    for (int i = 3; i < 400; ++i) {
      store.AddEntry(SourceOf(i).c_str(), TargetOf(i).c_str(), "", "", -1, -1, -1, -1);
    }
    raise(SIGKILL);
  });
  WaitFor(child);
  ASSERT_TRUE(JournalThere());
  ASSERT_NE(ReadBytes(path_), saved);

  Reopen();
  EXPECT_FALSE(JournalThere());
  ExpectSequence(store_, 3);
  store_.Close();
  EXPECT_EQ(ReadBytes(path_), saved);
}

TEST_F(CrashSafetyTest, CloseRollsBackChangesNeverSaved) {
  AddSequence(0, 2);
  ASSERT_TRUE(store_.SaveIndex());
  store_.Close();
  const Bytes saved = ReadBytes(path_);
  Reopen();
  AddSequence(2, 300);
  store_.Close();
  EXPECT_FALSE(JournalThere());
  EXPECT_EQ(ReadBytes(path_), saved);
}

// A journal that never completed was written before any write to the TM:
// it is dropped, and the TM stays as it is.
TEST_F(CrashSafetyTest, IncompleteJournalsAreDropped) {
  AddSequence(0, 5);
  ASSERT_TRUE(store_.SaveIndex());
  AddSequence(5, 6);  // writes a complete journal to take apart
  const Bytes journal = ReadBytes(JournalPath(path_));
  ASSERT_GT(journal.size(), 28u);
  ASSERT_TRUE(store_.SaveIndex());
  store_.Close();
  const Bytes saved = ReadBytes(path_);

  Bytes flipped = journal;
  flipped.at(50) ^= 1;  // a byte of the saved header
  Bytes otherMagic = journal;
  otherMagic[0] = 'X';
  const Bytes variants[] = {{}, Bytes(journal.begin(), journal.begin() + 20),
                            Bytes(journal.begin(), journal.end() - 1), flipped,
                            otherMagic};
  for (const Bytes& variant : variants) {
    WriteBytes(JournalPath(path_), variant);
    Reopen();
    EXPECT_FALSE(JournalThere()) << variant.size();
    ExpectSequence(store_, 6);
    store_.Close();
    EXPECT_EQ(ReadBytes(path_), saved);
  }
}

TEST_F(CrashSafetyTest, JournalOfAFileSinceDeletedIsIgnored) {
  AddSequence(0, 3);  // leaves a journal beside the TM
  store_.Close();
  WriteBytes(JournalPath(path_), ReadBytes(JournalPath(path_)));
  std::remove(path_.c_str());
  ASSERT_TRUE(store_.Open(path_.c_str(), false, "DE-DE", "FR-FR", "windows-1252"));
  EXPECT_FALSE(JournalThere());
  Reopen();
  EXPECT_EQ(store_.SourceLocale(), "DE-DE");
  EXPECT_EQ(store_.EntryCount(), 0);
}

TEST_F(CrashSafetyTest, OneWriterAtATime) {
  AddSequence(0, 1);
  ASSERT_TRUE(store_.SaveIndex());
  TmStore second;
  EXPECT_FALSE(second.Open(path_.c_str(), false, nullptr, nullptr, nullptr));
  EXPECT_TRUE(second.InUseByAnother());
  // Reading a TM whose writer has nothing unsaved is safe.
  ASSERT_TRUE(second.Open(path_.c_str(), true, nullptr, nullptr, nullptr));
  EXPECT_FALSE(second.InUseByAnother());
  EXPECT_EQ(second.EntryCount(), 1);

  const pid_t child = StartChild([this] {
    TmStore other;
    _exit(!other.Open(path_.c_str(), false, nullptr, nullptr, nullptr) &&
                  other.InUseByAnother()
              ? 0
              : 1);
  });
  EXPECT_EQ(WEXITSTATUS(WaitFor(child)), 0) << "another process must be refused";

  store_.Close();
  EXPECT_TRUE(second.Open(path_.c_str(), false, nullptr, nullptr, nullptr));
  EXPECT_FALSE(second.InUseByAnother());
}

// A writer adds entries one by one, saving after each, then imports a file
// of 1,000 lines, over and over; it is killed at random moments. After each
// kill the TM opens with a completed save: every single add, or the whole
// import, never part of one.
TEST_F(CrashSafetyTest, KilledAtRandomMomentsTheTmKeepsItsLastSave) {
  constexpr int kSingles = 5, kImported = 1000, kCycle = kSingles + kImported;
  store_.Close();
  const std::string import = dir_.File("import.txt");
  const std::string log = dir_.File("saved.log");
  std::mt19937 random(7);
  int lastLogged = 0;
  for (int round = 0; round < 25; ++round) {
    const pid_t child = StartChild([&] {
      const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
      auto logSaved = [fd](int count) {
        if (write(fd, &count, sizeof count) != sizeof count) _exit(2);
      };
      TmStore store;
      if (!store.Open(path_.c_str(), false, nullptr, nullptr, nullptr)) _exit(3);
      for (;;) {
        const int base = store.EntryCount();
        const int inCycle = base % kCycle;
        if (inCycle < kSingles) {
          store.AddEntry(SourceOf(base).c_str(), TargetOf(base).c_str(), "", "", -1,
                         -1, -1, -1);
        } else {
          std::string lines;
          for (int i = base; i < base + kImported; ++i) {
            lines += SourceOf(i) + "\t" + TargetOf(i) + "\n";
          }
          WriteBytes(import, ToBytes(lines));
          int32_t read, added, empty, present, failed;
          store.ImportTabDelimited(import.c_str(), read, added, empty, present, failed);
        }
        if (!store.SaveIndex()) _exit(4);
        logSaved(store.EntryCount());
      }
    });
    usleep(static_cast<useconds_t>(1000 + random() % 100000));
    kill(child, SIGKILL);
    const int status = WaitFor(child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;

    const Bytes logged = ReadBytes(log);
    if (logged.size() >= sizeof(int)) {
      std::memcpy(&lastLogged, logged.data() + logged.size() - sizeof(int), sizeof(int));
    }
    TmStore store;
    ASSERT_TRUE(store.Open(path_.c_str(), false, nullptr, nullptr, nullptr)) << round;
    EXPECT_FALSE(JournalThere()) << round;
    const int count = store.EntryCount();
    // The save after the last one logged may have completed just before the
    // kill; nothing later can have.
    EXPECT_GE(count, lastLogged);
    EXPECT_LE(count, lastLogged + kImported);
    EXPECT_LE(count % kCycle, kSingles) << "part of an import survived";
    ExpectSequence(store, count);
    if (HasFatalFailure()) return;
    // A save completes before it is logged (the journal is deleted and its
    // folder flushed first), so a kill may leave the last save unlogged: the
    // next round's writer starts from it.
    lastLogged = std::max(lastLogged, count);
  }
}

// The disk fills up: the save that cannot be written reports the failure,
// and the TM still opens with the entries of the last save that could.
TEST_F(CrashSafetyTest, FullDiskKeepsTheLastSave) {
  AddSequence(0, 10);
  ASSERT_TRUE(store_.SaveIndex());
  store_.Close();
  const off_t size = static_cast<off_t>(ReadBytes(path_).size());
  const std::string log = dir_.File("saved.log");
  const pid_t child = StartChild([&] {
    signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
    rlimit limit{static_cast<rlim_t>(size + 20000), static_cast<rlim_t>(size + 20000)};
    setrlimit(RLIMIT_FSIZE, &limit);
    const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    TmStore store;
    if (!store.Open(path_.c_str(), false, nullptr, nullptr, nullptr)) _exit(3);
    int saved = store.EntryCount();
    for (int i = saved; i < 10000; ++i) {
      store.AddEntry(SourceOf(i).c_str(), TargetOf(i).c_str(), "", "", -1, -1, -1, -1);
      if (!store.SaveIndex()) {
        const int report[2] = {saved, store.HasUnsavedChanges() ? 1 : 0};
        if (write(fd, report, sizeof report) != sizeof report) _exit(2);
        _exit(0);  // as a program that stops here, without closing the TM
      }
      saved = store.EntryCount();
    }
    _exit(5);
  });
  ASSERT_EQ(WEXITSTATUS(WaitFor(child)), 0) << "the full disk went unnoticed";
  const Bytes report = ReadBytes(log);
  ASSERT_EQ(report.size(), 2 * sizeof(int));
  int saved, unsaved;
  std::memcpy(&saved, report.data(), sizeof saved);
  std::memcpy(&unsaved, report.data() + sizeof saved, sizeof unsaved);
  EXPECT_GT(saved, 10);
  EXPECT_EQ(unsaved, 1);

  Reopen();
  EXPECT_FALSE(JournalThere());
  ExpectSequence(store_, saved);
}

}  // namespace

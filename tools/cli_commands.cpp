#include "cli_commands.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli_texts.h"
#include "same_file.h"
#include "tm_store.h"
#include "windows1252.h"

namespace {

constexpr char kToolName[] = "Tarvenna";
constexpr char kToolVersion[] = "1.00";
constexpr size_t kMaxLocaleLength = 5;
constexpr int kMinPosition = -999;
constexpr int kMaxPosition = 9999;

int Fail(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(stderr, format, arguments);
  va_end(arguments);
  std::fputc('\n', stderr);
  return kExitFailed;
}

bool FileExists(const std::string& path) {
  std::FILE* probe = std::fopen(path.c_str(), "rb");
  if (probe == nullptr) return false;
  std::fclose(probe);
  return true;
}

// Opens an existing TM. Open would create a missing file when writing, and
// a command that names a TM expects it to be there.
bool OpenExisting(TmStore& store, const std::string& path, bool readOnly) {
  return FileExists(path) &&
         store.Open(path.c_str(), readOnly, nullptr, nullptr, nullptr);
}

// Why a TM could not be opened.
int FailToOpen(const TmStore& store) {
  return Fail(store.InUseByAnother() ? cli_text::kTmInUse : cli_text::kCannotOpenTm);
}

// Parses an integer from `min` to `max`, all of `text` and nothing else.
bool ParseInteger(const std::string& text, int min, int max, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long parsed = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || parsed < min || parsed > max) return false;
  value = static_cast<int>(parsed);
  return true;
}

// Upper case as a locale field shows it: ASCII and the windows-1252 letters.
std::string UpperCase(std::string bytes) {
  for (char& c : bytes) {
    const uint8_t b = static_cast<uint8_t>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
      c = static_cast<char>(b - 0x20);
    } else if (b == 0x9A || b == 0x9C || b == 0x9E) {
      c = static_cast<char>(b - 0x10);
    } else if (b == 0xFF) {
      c = static_cast<char>(0x9F);
    }
  }
  return bytes;
}

bool ParseLocale(const std::string& utf8, std::string& locale) {
  locale = UpperCase(Utf8ToWindows1252(utf8));
  if (locale.size() <= kMaxLocaleLength) return true;
  std::fprintf(stderr, cli_text::kTooManyCharacters, static_cast<int>(kMaxLocaleLength));
  std::fputc('\n', stderr);
  return false;
}

bool ParsePosition(const std::string& text, int32_t position[4]) {
  size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    size_t comma = text.find(',', start);
    if ((i < 3) != (comma != std::string::npos)) return false;
    if (comma == std::string::npos) comma = text.size();
    int value;
    if (!ParseInteger(text.substr(start, comma - start), kMinPosition,
                      kMaxPosition, value)) {
      return false;
    }
    position[i] = value;
    start = comma + 1;
  }
  return true;
}

std::string Utf8(const std::string& windows1252) {
  return Windows1252ToUtf8(windows1252);
}

using Exporter = bool (*)(TmStore&, const std::string&);

int RunExport(const CliArguments& arguments, Exporter exporter) {
  const std::string& tm = arguments.positional[0];
  const std::string& out = arguments.positional[1];
  TmStore store;
  if (!OpenExisting(store, tm, true)) return FailToOpen(store);
  if (IsSameFile(tm, out)) return Fail(cli_text::kExportOverTm, out.c_str());
  if (!exporter(store, out)) return Fail(cli_text::kExportFailed, out.c_str());
  return kExitOk;
}

}  // namespace

int RunNew(const CliArguments& arguments) {
  const std::string& path = arguments.positional[0];
  std::string source, target;
  if (!ParseLocale(arguments.positional[1], source) ||
      !ParseLocale(arguments.positional[2], target)) {
    return kExitUsage;
  }
  if (FileExists(path)) {
    if (!arguments.Has("--force")) return Fail(cli_text::kFileExists, path.c_str());
    // A program writing to the TM would go on writing to the deleted file.
    TmStore current;
    if (!current.Open(path.c_str(), false, nullptr, nullptr, nullptr) &&
        current.InUseByAnother()) {
      return FailToOpen(current);
    }
    current.Close();
    // A file left in place would be opened as it is instead of replaced.
    if (std::remove(path.c_str()) != 0) {
      return Fail(cli_text::kCannotReplace, path.c_str());
    }
  }
  TmStore store;
  if (!store.Open(path.c_str(), false, source.c_str(), target.c_str(),
                  "windows-1252")) {
    return FailToOpen(store);
  }
  return kExitOk;
}

int RunInfo(const CliArguments& arguments) {
  TmStore store;
  if (!OpenExisting(store, arguments.positional[0], true)) return FailToOpen(store);
  std::printf("Source locale: %s\nTarget locale: %s\nEncoding: %s\nEntries: %d\n",
              Utf8(store.SourceLocale()).c_str(), Utf8(store.TargetLocale()).c_str(),
              Utf8(store.EncodingName()).c_str(), store.EntryCount());
  return kExitOk;
}

int RunAdd(const CliArguments& arguments) {
  int32_t position[4] = {-1, -1, -1, -1};
  if (const std::string* pos = arguments.Option("--pos")) {
    if (!ParsePosition(*pos, position)) {
      std::fprintf(stderr, cli_text::kIntegerBetween, kMinPosition, kMaxPosition);
      std::fputc('\n', stderr);
      return kExitUsage;
    }
  }
  const std::string* id = arguments.Option("--id");
  const std::string* type = arguments.Option("--type");
  const std::string source = Utf8ToWindows1252(arguments.positional[1]);
  const std::string target = Utf8ToWindows1252(arguments.positional[2]);
  const std::string idBytes = id ? Utf8ToWindows1252(*id) : "";
  const std::string typeBytes = type ? Utf8ToWindows1252(*type) : "";

  TmStore store;
  if (!OpenExisting(store, arguments.positional[0], false)) return FailToOpen(store);
  const AddOutcome outcome =
      store.AddEntry(source.c_str(), target.c_str(), typeBytes.c_str(),
                     idBytes.c_str(), position[0], position[1], position[2],
                     position[3]);
  const bool saved = store.SaveIndex();
  switch (outcome) {
    case AddOutcome::kError: return Fail(cli_text::kAddError);
    case AddOutcome::kEmpty: return Fail(cli_text::kEmptyEntry);
    case AddOutcome::kAlreadyPresent: return Fail(cli_text::kAlreadyPresent);
    case AddOutcome::kAdded: break;
  }
  return saved ? kExitOk : Fail(cli_text::kCannotSave);
}

int RunImport(const CliArguments& arguments) {
  const std::string& file = arguments.positional[1];
  TmStore store;
  if (!OpenExisting(store, arguments.positional[0], false)) return FailToOpen(store);
  int32_t read, added, empty, present, failed;
  if (!store.ImportTabDelimited(file.c_str(), read, added, empty, present, failed)) {
    return Fail(cli_text::kImportFailed, file.c_str());
  }
  std::printf(cli_text::kImportSummary, file.c_str(), read, added, empty, present,
              failed);
  std::putchar('\n');
  return store.HasUnsavedChanges() ? Fail(cli_text::kCannotSave) : kExitOk;
}

int RunQuery(const CliArguments& arguments) {
  int threshold = 75;
  if (const std::string* text = arguments.Option("--threshold")) {
    if (!ParseInteger(*text, 1, 100, threshold)) {
      std::fprintf(stderr, cli_text::kIntegerBetween, 1, 100);
      std::fputc('\n', stderr);
      return kExitUsage;
    }
  }
  TmStore store;
  if (!OpenExisting(store, arguments.positional[0], true)) return FailToOpen(store);
  store.SetThreshold(threshold);
  store.SetConcordance(arguments.Has("--concordance"));
  const std::string text = Utf8ToWindows1252(arguments.positional[1]);
  const int32_t hits = store.Query(text.c_str());

  // Walk by the number of hits rather than up to the first 0: a hit whose
  // score truncates to 0 % is still a hit, and an unreadable one is skipped.
  TmEntry entry;
  int32_t offset = -1;
  for (int32_t i = 0; i < hits; ++i) {
    const int32_t percent =
        i == 0 ? store.FirstResult(entry, &offset) : store.NextResult(entry, &offset);
    if (percent == 0 && !store.ReadEntry(entry, offset)) continue;
    std::printf("%d\t%s\t%s\n", percent, Utf8(entry.source).c_str(),
                Utf8(entry.target).c_str());
  }
  return kExitOk;
}

int RunExportOpenTag(const CliArguments& arguments) {
  return RunExport(arguments, [](TmStore& store, const std::string& out) {
    return store.ExportOpenTag(out.c_str(), kToolName, true);
  });
}

int RunExportTmx(const CliArguments& arguments) {
  return RunExport(arguments, [](TmStore& store, const std::string& out) {
    return store.ExportTmx(out.c_str(), kToolName, kToolVersion, true);
  });
}

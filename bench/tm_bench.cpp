// TMs of 10,000, 100,000 and 1,000,000 entries: import, open, queries, the
// walk of the hits, both exports and memory, each beside the same work done
// by the plain algorithm (a duplicate test and a query that score every
// record) wherever that finishes in reasonable time.
//
//   build/bench/tm_bench [--sizes=10000,100000,1000000] [Google Benchmark flags]
//
// After Google Benchmark's own report comes a table of the figures and their
// ratios, the one to copy into bench/README.md. Scratch files go to
// $TMPDIR/tarvenna-bench and stay there between runs.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tsv_generator.h"
#include "tm_store.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPlainQueryLimit = 100000;   // plain queries and opens
constexpr int kPlainImportLimit = 10000;   // the plain import is quadratic

// A generated TM file, its tab-delimited source and a fixed mix of queries.
struct Dataset {
  int entries = 0;
  std::string tsv;
  std::string tm;
  std::vector<TsvLine> lines;
  std::vector<std::string> queries;
};

std::string ScratchPath(const std::string& name) {
  const auto folder = std::filesystem::temp_directory_path() / "tarvenna-bench";
  std::filesystem::create_directories(folder);
  return (folder / name).string();
}

// Exact sources, near ones, distant word salads and single words, five each.
std::vector<std::string> QueryMix(TsvGenerator& generator,
                                  const std::vector<TsvLine>& lines) {
  std::vector<std::string> queries;
  for (int i = 0; i < 5; ++i) {
    queries.push_back(lines[(i * 7919 + 13) % lines.size()].source);
    queries.push_back(generator.NearDuplicate(lines[(i * 104729 + 7) % lines.size()].source));
    std::string distant;
    for (int w = 0; w < 8; ++w) distant += (w ? " " : "") + generator.Word();
    queries.push_back(distant);
  }
  queries.push_back(generator.CommonWord(1));    // very common
  queries.push_back(generator.CommonWord(40));
  queries.push_back(generator.CommonWord(900));
  queries.push_back(generator.RareWord());
  queries.push_back(generator.RareWord());
  return queries;
}

Dataset& GetDataset(int entries) {
  static std::map<int, Dataset> datasets;
  Dataset& data = datasets[entries];
  if (data.entries != 0) return data;
  data.entries = entries;
  data.tsv = ScratchPath("lines-" + std::to_string(entries) + ".txt");
  data.tm = ScratchPath("tm-" + std::to_string(entries) + ".vrx");
  TsvGenerator generator;
  data.lines = generator.Lines(entries);
  TsvGenerator::Write(data.tsv, data.lines);
  data.queries = QueryMix(generator, data.lines);
  std::remove(data.tm.c_str());
  TmStore store;
  store.Open(data.tm.c_str(), false, "EN-US", "FR-FR", "windows-1252");
  int32_t read, added, empty, present, failed;
  store.ImportTabDelimited(data.tsv.c_str(), read, added, empty, present, failed);
  return data;
}

void OpenOrDie(TmStore& store, const std::string& path, bool create,
               bool readOnly = true) {
  if (create) std::remove(path.c_str());
  if (!store.Open(path.c_str(), readOnly && !create, create ? "EN-US" : nullptr,
                  create ? "FR-FR" : nullptr, "windows-1252")) {
    std::fprintf(stderr, "cannot open %s\n", path.c_str());
    std::exit(1);
  }
}

// The query as the plain algorithm runs it: every record scored.
int32_t PlainQuery(TmStore& store, const std::string& text, int32_t threshold,
                   bool concordance, TmMatchList& hits) {
  hits.clear();
  store.FindMatchesByScan(text.c_str(), threshold, concordance, hits);
  hits.sort(MatchSortsBefore);
  return static_cast<int32_t>(hits.size());
}

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void SetMillis(benchmark::State& state, double seconds) {
  state.SetIterationTime(seconds);
}

void Import(benchmark::State& state, int entries, bool plain) {
  Dataset& data = GetDataset(entries);
  const std::string path = ScratchPath("import.vrx");
  for (auto _ : state) {
    TmStore store;
    OpenOrDie(store, path, true);
    const auto start = Clock::now();
    if (!plain) {
      int32_t read, added, empty, present, failed;
      store.ImportTabDelimited(data.tsv.c_str(), read, added, empty, present, failed);
    } else {
      // Each line's duplicate test scores every record added before it.
      TmEntry entry;
      for (const TsvLine& line : data.lines) {
        TmMatchList hits;
        store.FindMatchesByScan(line.source.c_str(), 100, false, hits);
        bool present = false;
        for (const TmMatch& hit : hits) {
          present = present || (store.ReadEntry(entry, hit.entryOffset) &&
                                entry.target == line.target && entry.type == line.type);
        }
        if (!present) {
          store.AddEntry(line.source.c_str(), line.target.c_str(), line.type.c_str(),
                         line.id.c_str(), -1, -1, -1, -1);
        }
      }
      store.SaveIndex();
    }
    SetMillis(state, Seconds(start));
  }
  state.counters["lines/s"] = benchmark::Counter(
      static_cast<double>(entries) * state.iterations(), benchmark::Counter::kIsRate);
}

void OpenAndFirstQuery(benchmark::State& state, int entries, bool plain) {
  Dataset& data = GetDataset(entries);
  for (auto _ : state) {
    const auto start = Clock::now();
    TmStore store;
    OpenOrDie(store, data.tm, false);
    TmMatchList hits;
    if (plain) {
      PlainQuery(store, data.queries[0], 75, false, hits);
    } else {
      store.Query(data.queries[0].c_str());
    }
    SetMillis(state, Seconds(start));
  }
}

// One query of the mix per iteration; the median over the mix is the
// figure, since a few one-word queries list a large part of the TM.
void Query(benchmark::State& state, int entries, bool plain, bool concordance,
           int32_t threshold, bool walk) {
  Dataset& data = GetDataset(entries);
  TmStore store;
  OpenOrDie(store, data.tm, false);
  store.SetThreshold(threshold);
  store.SetConcordance(concordance);
  store.Query(data.queries[0].c_str());  // builds the word index
  TmMatchList hits;
  std::vector<double> times;
  size_t next = 0;
  double hitCount = 0;
  for (auto _ : state) {
    const std::string& text = data.queries[next++ % data.queries.size()];
    const auto start = Clock::now();
    int32_t n = plain ? PlainQuery(store, text, threshold, concordance, hits)
                      : store.Query(text.c_str());
    if (walk) {
      // The walk reads every hit's entry, as the result list shows them.
      TmEntry entry;
      if (plain) {
        for (auto it = hits.rbegin(); it != hits.rend(); ++it) {
          store.ReadEntry(entry, it->entryOffset);
        }
      } else {
        for (int32_t p = store.FirstResult(entry, nullptr); p != 0;
             p = store.NextResult(entry, nullptr)) {
        }
      }
    }
    const double seconds = Seconds(start);
    SetMillis(state, seconds);
    times.push_back(seconds);
    hitCount += n;
  }
  std::sort(times.begin(), times.end());
  state.counters["median_ms"] = times[times.size() / 2] * 1000;
  state.counters["hits"] = hitCount / static_cast<double>(times.size());
}

void Export(benchmark::State& state, int entries, bool tmx) {
  Dataset& data = GetDataset(entries);
  TmStore store;
  OpenOrDie(store, data.tm, false);
  const std::string out = ScratchPath(tmx ? "export.tmx" : "export.otf");
  for (auto _ : state) {
    const auto start = Clock::now();
    if (tmx) {
      store.ExportTmx(out.c_str(), "Tarvenna", "1.00", true);
    } else {
      store.ExportOpenTag(out.c_str(), "Tarvenna", true);
    }
    SetMillis(state, Seconds(start));
  }
}

// The Add command: one new entry, saved at once. Its save journals the
// whole KeyIndex as last saved, so the cost grows with the TM.
void AddAndSave(benchmark::State& state, int entries) {
  Dataset& data = GetDataset(entries);
  const std::string path = ScratchPath("add.vrx");
  std::filesystem::copy_file(data.tm, path,
                             std::filesystem::copy_options::overwrite_existing);
  TmStore store;
  OpenOrDie(store, path, false, false);
  int next = 0;
  for (auto _ : state) {
    const std::string source = "Added entry " + std::string(1 + next / 26, 'x') +
                               static_cast<char>('a' + next % 26);
    ++next;
    const auto start = Clock::now();
    store.AddEntry(source.c_str(), "Entr\xE9" "e", "", "", -1, -1, -1, -1);
    store.SaveIndex();
    SetMillis(state, Seconds(start));
  }
}

// Memory of an open TM once both of its indexes exist.
void Memory(benchmark::State& state, int entries) {
  Dataset& data = GetDataset(entries);
  for (auto _ : state) {
    TmStore store;
    if (!store.Open(data.tm.c_str(), false, nullptr, nullptr, nullptr)) std::exit(1);
    const TsvLine& line = data.lines[0];
    store.AddEntry(line.source.c_str(), line.target.c_str(), line.type.c_str(), "",
                   -1, -1, -1, -1);  // refused as present: builds the duplicate index
    store.Query(data.queries[0].c_str());  // builds the word index
    state.counters["key_index_MB"] = store.IndexSize() / 1e6;
    state.counters["index_B_per_entry"] =
        static_cast<double>(store.IndexMemoryUsage()) / store.EntryCount();
    state.counters["key_index_B_per_entry"] =
        static_cast<double>(store.IndexSize()) / store.EntryCount();
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = usage.ru_maxrss / 1e3;
    state.SetIterationTime(0.001);
  }
}

// Collects the runs and prints them as one table with the plain figures
// beside, after Google Benchmark's own report.
class TableReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      Row& row = rows_[BaseName(run.benchmark_name())];
      const bool plain = run.benchmark_name().find("/plain") != std::string::npos;
      double value = run.GetAdjustedRealTime();
      std::string unit = "ms";
      auto median = run.counters.find("median_ms");
      if (median != run.counters.end()) value = median->second;
      auto perEntry = run.counters.find("index_B_per_entry");
      if (perEntry != run.counters.end()) {
        value = perEntry->second;
        unit = "B/entry";
        row.note = "key index " +
                   Format(run.counters.at("key_index_B_per_entry").value) +
                   " B/entry, peak RSS " + Format(run.counters.at("peak_rss_MB").value) + " MB";
      }
      (plain ? row.plain : row.indexed) = value;
      row.unit = unit;
      if (row.order == 0) row.order = ++order_;
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::vector<std::pair<std::string, Row>> sorted(rows_.begin(), rows_.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.second.order < b.second.order; });
    std::printf("\n| work | Tarvenna | plain algorithm | plain / Tarvenna |\n");
    std::printf("|---|---|---|---|\n");
    for (const auto& [name, row] : sorted) {
      std::printf("| %s | %s %s | %s | %s |\n", name.c_str(), Format(row.indexed).c_str(),
                  row.unit.c_str(),
                  row.plain > 0 ? (Format(row.plain) + " " + row.unit).c_str() : "-",
                  row.plain > 0 ? (Format(row.plain / row.indexed) + "x").c_str()
                                : row.note.c_str());
    }
  }

 private:
  struct Row {
    double indexed = 0, plain = 0;
    std::string unit, note;
    int order = 0;
  };

  static std::string BaseName(std::string name) {
    for (const char* suffix : {"/plain", "/manual_time"}) {
      size_t at;
      while ((at = name.find(suffix)) != std::string::npos) name.erase(at, std::strlen(suffix));
    }
    const size_t iterations = name.find("/iterations:");
    if (iterations != std::string::npos) {
      const size_t end = name.find('/', iterations + 1);
      name.erase(iterations, end == std::string::npos ? std::string::npos : end - iterations);
    }
    return name;
  }

  static std::string Format(double value) {
    char text[32];
    std::snprintf(text, sizeof text, value >= 100 ? "%.0f" : value >= 10 ? "%.1f" : "%.3g",
                  value);
    return text;
  }

  std::map<std::string, Row> rows_;
  int order_ = 0;
};

std::vector<int> ParseSizes(int& argc, char** argv) {
  std::vector<int> sizes = {10000, 100000, 1000000};
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (argument.rfind("--sizes=", 0) != 0) continue;
    sizes.clear();
    for (size_t p = 8; p < argument.size();) {
      size_t comma = argument.find(',', p);
      if (comma == std::string::npos) comma = argument.size();
      sizes.push_back(std::stoi(argument.substr(p, comma - p)));
      p = comma + 1;
    }
    for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
    --argc;
    break;
  }
  return sizes;
}

void Register(const std::string& name, int iterations,
              std::function<void(benchmark::State&)> body) {
  auto* b = benchmark::RegisterBenchmark(name.c_str(), body);
  b->UseManualTime()->Unit(benchmark::kMillisecond);
  if (iterations > 0) b->Iterations(iterations);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<int> sizes = ParseSizes(argc, argv);
  for (int n : sizes) {
    const std::string size = "/" + std::to_string(n);
    const bool big = n > kPlainQueryLimit;
    Register("Import" + size, 1, [n](benchmark::State& s) { Import(s, n, false); });
    if (n <= kPlainImportLimit) {
      Register("Import" + size + "/plain", 1, [n](benchmark::State& s) { Import(s, n, true); });
    }
    Register("OpenAndFirstQuery" + size, big ? 3 : 0,
             [n](benchmark::State& s) { OpenAndFirstQuery(s, n, false); });
    if (!big) {
      Register("OpenAndFirstQuery" + size + "/plain", 0,
               [n](benchmark::State& s) { OpenAndFirstQuery(s, n, true); });
    }
    for (bool concordance : {false, true}) {
      for (int32_t threshold : {50, 75, 100}) {
        const std::string name = std::string("Query") + size +
                                 (concordance ? "/concordance" : "/normal") + "/t" +
                                 std::to_string(threshold);
        Register(name, 0, [=](benchmark::State& s) { Query(s, n, false, concordance, threshold, false); });
        if (!big) {
          Register(name + "/plain", 0,
                   [=](benchmark::State& s) { Query(s, n, true, concordance, threshold, false); });
        }
      }
    }
    for (auto [concordance, threshold] : {std::pair{false, 75}, std::pair{true, 50}}) {
      const std::string name = std::string("QueryAndWalk") + size +
                               (concordance ? "/concordance" : "/normal") + "/t" +
                               std::to_string(threshold);
      Register(name, 0, [=](benchmark::State& s) { Query(s, n, false, concordance, threshold, true); });
      if (!big) {
        Register(name + "/plain", 0,
                 [=](benchmark::State& s) { Query(s, n, true, concordance, threshold, true); });
      }
    }
    Register("ExportOpenTag" + size, big ? 1 : 0, [n](benchmark::State& s) { Export(s, n, false); });
    Register("ExportTmx" + size, big ? 1 : 0, [n](benchmark::State& s) { Export(s, n, true); });
    Register("AddAndSave" + size, big ? 5 : 0, [n](benchmark::State& s) { AddAndSave(s, n); });
    Register("Memory" + size, 1, [n](benchmark::State& s) { Memory(s, n); });
  }
  benchmark::Initialize(&argc, argv);
  TableReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

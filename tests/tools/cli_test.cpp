// tarvenna-tm end to end: the program run as a user runs it.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "test_support.h"
#include "tm_store.h"

namespace {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

class CliTest : public testing::Test {
 protected:
  void SetUp() override {
    tm_ = dir_.File("test.vrx");
    ASSERT_EQ(Tool({"new", tm_, "en-us", "fr-fr"}).status, 0);
  }

  ToolRun Tool(const std::vector<std::string>& arguments) {
    const std::string out = dir_.File("stdout"), err = dir_.File("stderr");
    const pid_t child = fork();
    if (child == 0) {
      dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
      dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
      std::vector<char*> argv{const_cast<char*>(TARVENNA_TM_EXECUTABLE)};
      for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const Bytes o = ReadBytes(out), e = ReadBytes(err);
    return ToolRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(o.begin(), o.end()),
               std::string(e.begin(), e.end())};
  }

  std::string File(const std::string& name, const std::string& content) {
    const std::string path = dir_.File(name);
    WriteBytes(path, ToBytes(content));
    return path;
  }

  std::string Text(const std::string& path) {
    const Bytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
  }

  ScratchDir dir_;
  std::string tm_;
};

const char kCannotOpen[] =
    "Could not open or create the TM file.\nYou may have specified an existing "
    "read-only file or you may not have write permission in the specified folder.\n";

TEST_F(CliTest, NewCreatesAnEmptyTmWithUpperCaseLocales) {
  const ToolRun info = Tool({"info", tm_});
  EXPECT_EQ(info.status, 0);
  EXPECT_EQ(info.out,
            "Source locale: EN-US\nTarget locale: FR-FR\nEncoding: windows-1252\nEntries: 0\n");
  EXPECT_EQ(ReadBytes(tm_).size(), 82u);
}

TEST_F(CliTest, NewRefusesAnExistingFileUnlessForced) {
  ASSERT_EQ(Tool({"add", tm_, "Open", "Ouvrir"}).status, 0);
  const Bytes before = ReadBytes(tm_);
  const ToolRun refused = Tool({"new", tm_, "DE-DE", "FR-FR"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("already exists"), std::string::npos);
  EXPECT_EQ(ReadBytes(tm_), before);

  ASSERT_EQ(Tool({"new", tm_, "DE-DE", "FR-FR", "--force"}).status, 0);
  EXPECT_NE(Tool({"info", tm_}).out.find("Source locale: DE-DE\n"), std::string::npos);
  EXPECT_NE(Tool({"info", tm_}).out.find("Entries: 0\n"), std::string::npos);
}

TEST_F(CliTest, LocalesHaveAtMostFiveCharacters) {
  const std::string path = dir_.File("long.vrx");
  const ToolRun run = Tool({"new", path, "EN-USA", "FR"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Please enter no more than 5 characters.\n");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(CliTest, AddReportsEachRefusal) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    std::string err;
  } cases[] = {
      {{"add", tm_, "Open the file", "Ouvrir le fichier", "--type", "menu"}, 0, ""},
      {{"add", tm_, "Open the file", "Ouvrir le fichier", "--type=menu", "--id", "X"}, 1,
       "This entry exists already.\n"},
      {{"add", tm_, "12 ...", "Douze"}, 1, "Empty entry.\n"},
      {{"add", tm_, std::string(5121, 'a'), "Long"}, 1, "Error adding the new entry.\n"},
      {{"add", tm_, "Close", "Fermer", "--pos", "1,2,3"}, 2,
       "Please enter an integer between -999 and 9999.\n"},
      {{"add", tm_, "Close", "Fermer", "--pos", "1,2,3,10000"}, 2,
       "Please enter an integer between -999 and 9999.\n"},
      {{"add", tm_, "Close", "Fermer", "--pos", "-999,0,9999,7"}, 0, ""},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments[2];
    EXPECT_EQ(run.err, c.err) << c.arguments[2];
  }
  EXPECT_NE(Tool({"info", tm_}).out.find("Entries: 2\n"), std::string::npos);
}

TEST_F(CliTest, ImportPrintsTheSummary) {
  const std::string file = File("in.txt", "Open\tOuvrir\nOpen\tOuvrir\n42\tx\n\tClose\tFermer\r\n");
  const ToolRun run = Tool({"import", tm_, file});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "The file '" + file +
                         "' has been processed. 4 records read:\n   added = 2\n"
                         "   empty = 1\n   already in the TM = 1\n   with error = 0.\n");
  const std::string missing = dir_.File("missing.txt");
  const ToolRun failed = Tool({"import", tm_, missing});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.err, "Could not add entries from the file '" + missing + "'.\n");
}

TEST_F(CliTest, QueryListsHitsBestFirst) {
  Tool({"import", tm_, File("in.txt", "Open the file\tOuvrir le fichier\n"
                                      "open the file\touvrir le fichier\n"
                                      "Open the file now\tOuvrir le fichier maintenant\n"
                                      "Close the window\tFermer la fen\xEAtre\n")});
  EXPECT_EQ(Tool({"query", tm_, "Open the file"}).out,
            "100\tOpen the file\tOuvrir le fichier\n"
            "99\topen the file\touvrir le fichier\n"
            "85\tOpen the file now\tOuvrir le fichier maintenant\n");
  EXPECT_EQ(Tool({"query", tm_, "Open the file", "--threshold", "90"}).out,
            "100\tOpen the file\tOuvrir le fichier\n99\topen the file\touvrir le fichier\n");
  EXPECT_EQ(Tool({"query", tm_, "window", "--concordance"}).out,
            "98\tClose the window\tFermer la fen\xC3\xAAtre\n");
  EXPECT_EQ(Tool({"query", tm_, "nothing here"}).out, "");
  EXPECT_EQ(Tool({"query", tm_, "x", "--threshold", "0"}).status, 2);
  EXPECT_EQ(Tool({"query", tm_, "x", "--threshold", "abc"}).status, 2);
}

// The terminal speaks UTF-8, the TM windows-1252.
TEST_F(CliTest, TextsAreConvertedToAndFromWindows1252) {
  ASSERT_EQ(Tool({"add", tm_, "Caf\xC3\xA9 \xE2\x82\xAC", "\xE4\xB8\xAD"}).status, 0);
  TmStore store;
  ASSERT_TRUE(store.Open(tm_.c_str(), true, nullptr, nullptr, nullptr));
  TmEntry entry;
  ASSERT_TRUE(store.ReadEntry(entry, store.FirstKey()));
  EXPECT_EQ(entry.source, "Caf\xE9 \x80");
  EXPECT_EQ(entry.target, "?");
  EXPECT_EQ(Tool({"query", tm_, "caf"}).out, "99\tCaf\xC3\xA9 \xE2\x82\xAC\t?\n");
}

TEST_F(CliTest, ExportsEqualTheEngineExports) {
  Tool({"add", tm_, "Open the file", "Ouvrir", "--type", "menu", "--pos", "1,2,3,4"});
  Tool({"add", tm_, "Save \xE2\x80\x99quoted\xE2\x80\x99", "Enregistrer", "--id", "K2"});
  const std::string otf = dir_.File("cli.otf"), tmx = dir_.File("cli.tmx");
  ASSERT_EQ(Tool({"export-opentag", tm_, otf}).status, 0);
  ASSERT_EQ(Tool({"export-tmx", tm_, tmx}).status, 0);

  TmStore store;
  ASSERT_TRUE(store.Open(tm_.c_str(), true, nullptr, nullptr, nullptr));
  const std::string engineOtf = dir_.File("engine.otf"), engineTmx = dir_.File("engine.tmx");
  ASSERT_TRUE(store.ExportOpenTag(engineOtf.c_str(), "Tarvenna", true));
  ASSERT_TRUE(store.ExportTmx(engineTmx.c_str(), "Tarvenna", "1.00", true));
  EXPECT_EQ(ReadBytes(otf), ReadBytes(engineOtf));
  EXPECT_EQ(ReadBytes(tmx), ReadBytes(engineTmx));
}

TEST_F(CliTest, NoExportOverTheTm) {
  Tool({"add", tm_, "Open", "Ouvrir"});
  const Bytes before = ReadBytes(tm_);
  const std::string sameFile = dir_.File("./test.vrx");
  for (const char* command : {"export-opentag", "export-tmx"}) {
    const ToolRun run = Tool({command, tm_, sameFile});
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_NE(run.err.find("is the TM itself"), std::string::npos) << command;
  }
  EXPECT_EQ(ReadBytes(tm_), before);
}

// A file that is not a TM, or none at all: each command says so and writes
// nothing, neither to that file nor anywhere else.
TEST_F(CliTest, UnopenableTms) {
  const std::string notTm = File("notes.txt", "Open\tOuvrir\n");
  const std::string missing = dir_.File("missing.vrx");
  const std::string input = File("in.txt", "Open\tOuvrir\n");
  const std::string out = dir_.File("out.xml");
  for (const std::string& tm : {notTm, missing}) {
    const std::vector<std::vector<std::string>> commands = {
        {"info", tm},        {"add", tm, "Open", "Ouvrir"}, {"import", tm, input},
        {"query", tm, "x"}, {"export-opentag", tm, out},   {"export-tmx", tm, out},
    };
    for (const auto& command : commands) {
      const ToolRun run = Tool(command);
      EXPECT_EQ(run.status, 1) << command[0] << " " << tm;
      EXPECT_EQ(run.err, kCannotOpen) << command[0];
    }
  }
  EXPECT_EQ(Text(notTm), "Open\tOuvrir\n");
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_FALSE(std::filesystem::exists(out));
}

// While another program writes to the TM, no command may write to it.
TEST_F(CliTest, TmInUseByAnotherProgram) {
  ASSERT_EQ(Tool({"add", tm_, "Open", "Ouvrir"}).status, 0);
  const std::string inUse =
      "The TM file is in use by another program.\nClose it there, or wait until "
      "that program has finished with it, and try again.\n";
  TmStore writer;
  ASSERT_TRUE(writer.Open(tm_.c_str(), false, nullptr, nullptr, nullptr));
  const Bytes before = ReadBytes(tm_);
  const std::vector<std::vector<std::string>> writing = {
      {"add", tm_, "Close", "Fermer"},
      {"import", tm_, File("in.txt", "Close\tFermer\n")},
      {"new", tm_, "EN-US", "DE-DE", "--force"},
  };
  for (const auto& command : writing) {
    const ToolRun run = Tool(command);
    EXPECT_EQ(run.status, 1) << command[0];
    EXPECT_EQ(run.err, inUse) << command[0];
  }
  EXPECT_EQ(ReadBytes(tm_), before);
  // Reading stays possible while the writer has nothing unsaved...
  EXPECT_EQ(Tool({"query", tm_, "Open"}).out, "100\tOpen\tOuvrir\n");
  // ...but not in the middle of its change.
  ASSERT_EQ(writer.AddEntry("Print", "Imprimer", "", "", -1, -1, -1, -1), AddOutcome::kAdded);
  EXPECT_EQ(Tool({"query", tm_, "Open"}).err, inUse);
}

TEST_F(CliTest, UsageErrors) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"frobnicate"},
      {"info"},
      {"info", tm_, "extra"},
      {"add", tm_, "Open"},
      {"add", tm_, "Open", "Ouvrir", "--colour", "red"},
      {"add", tm_, "Open", "Ouvrir", "--id"},
      {"query", tm_, "x", "--concordance=yes"},
  };
  for (const auto& arguments : bad) {
    const ToolRun run = Tool(arguments);
    EXPECT_EQ(run.status, 2) << (arguments.empty() ? "" : arguments[0]);
    EXPECT_NE(run.err.find("Usage: tarvenna-tm"), std::string::npos);
  }
  const ToolRun help = Tool({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: tarvenna-tm", 0), 0u);
  EXPECT_EQ(Tool({"query", "--help"}).status, 0);
}

// "--" lets a text begin with two dashes.
TEST_F(CliTest, DoubleDashEndsTheOptions) {
  EXPECT_EQ(Tool({"add", tm_, "--", "--verbose mode", "mode bavard"}).status, 0);
  EXPECT_EQ(Tool({"query", tm_, "--", "--verbose mode"}).out,
            "100\t--verbose mode\tmode bavard\n");
}

}  // namespace

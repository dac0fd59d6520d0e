// make_fuzz_seeds: writes the seed corpus of the fuzz targets, one folder per
// target, into the folder given: real TMs made by the engine, import files
// with the line ends and bytes that real files bring, and texts for the
// source key and the XML escaping. Every file is the same on every run, so
// that the corpus in the repository can be made again after a change:
//
//   build/fuzz/make_fuzz_seeds fuzz/corpus

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tm_store.h"

namespace {

struct SeedEntry {
  std::string source, target, type, id;
  int32_t x = -1, y = -1, cx = -1, cy = -1;
};

using Batch = std::vector<SeedEntry>;

// A TM saved once after each batch, so that later batches overwrite the
// KeyIndex an earlier save left behind, as they do in use.
bool WriteTm(const std::string& path, const char* encoding,
             const std::vector<Batch>& batches) {
  std::remove(path.c_str());
  TmStore store;
  if (!store.Open(path.c_str(), false, "EN-US", "FR-FR", encoding)) {
    return false;
  }
  for (const Batch& batch : batches) {
    for (const SeedEntry& e : batch) {
      if (store.AddEntry(e.source.c_str(), e.target.c_str(), e.type.c_str(),
                         e.id.c_str(), e.x, e.y, e.cx, e.cy) !=
          AddOutcome::kAdded) {
        return false;
      }
    }
    if (!store.SaveIndex()) return false;
  }
  return true;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

// std::string from a literal that may hold NUL bytes.
template <size_t N>
std::string Raw(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

bool WriteTmSeeds(const std::string& folder) {
  const Batch menu = {
      {"Open the file", "Ouvrir le fichier", "menu", "ID_FILE_OPEN", 10, 20,
       100, 14},
      {"Save &As...", "Enregistrer &sous...", "menu", "ID_FILE_SAVE_AS"},
      {"open the file", "ouvrir le fichier", "", ""},
      {"Close the window", "Fermer la fen\xEAtre", "dialog", "", 0, 0, 0, 0},
      {"The file", "Le fichier", "", "7"},
  };
  const Batch markup = {
      {"<b>Bold</b> & \"quoted\" 'it's'", "<b>Gras</b> & \xAB cit\xE9 \xBB",
       "", ""},
      {"a]]>b ]] > end", "fin", "x<y", "id&1"},
      {"\x80uro \x93quoted\x94 \x9F", "Tab\there\r\nline", "", ""},
  };
  return WriteTm(folder + "/empty.vrx", "windows-1252", {}) &&
         WriteTm(folder + "/menu.vrx", "windows-1252", {menu}) &&
         WriteTm(folder + "/saved_twice.vrx", "windows-1252",
                 {{menu[0], menu[1]}, {menu[3], menu[4]}}) &&
         WriteTm(folder + "/markup_latin1.vrx", "iso-8859-1", {markup});
}

bool WriteImportSeeds(const std::string& folder) {
  std::string longLine;
  while (longLine.size() <= 5120) longLine += "A long line of words ";
  return WriteBytes(folder + "/crlf.txt",
                    "Open the file\tOuvrir le fichier\r\n"
                    "Save &As...\tEnregistrer &sous...\tID_SAVE_AS\tmenu\r\n") &&
         WriteBytes(folder + "/tabs.txt",
                    "\t\tLeading tabs\tTabulations\n"
                    "Runs\t\t\tof tabs\t\tID\t\ttype\textra\tfields\n"
                    "no target\n"
                    "\n"
                    "Open the file\tOuvrir le fichier\n"
                    "Open the file\tOuvrir le fichier\n"
                    "123\t456\n") &&
         WriteBytes(folder + "/long_line.txt",
                    longLine + "\tToo long\nShort\tCourt\n") &&
         WriteBytes(folder + "/nul.txt",
                    Raw("Before\0the NUL\tAvant\nAfter\tApr\xE8s\n")) &&
         WriteBytes(folder + "/ctrl_z.txt",
                    "Open\tOuvrir\r\nClose\tFermer\r\n\x1A") &&
         WriteBytes(folder + "/controls_no_final_lf.txt",
                    "caf\xE9\t\x80uro\x01\x1F\nlone CR\rinside\tx");
}

bool WriteSourceKeySeeds(const std::string& folder) {
  return WriteBytes(folder + "/sentence.txt", "Open the file") &&
         WriteBytes(folder + "/ampersands.txt", "AT&T Save &As... a & b") &&
         WriteBytes(folder + "/brackets.txt", "x[1] {a} `b` ]c}") &&
         WriteBytes(folder + "/high_bytes.txt", "caf\xE9 \x80uro \xFF") &&
         WriteBytes(folder + "/no_words.txt", "  123 !!! &&& ");
}

bool WriteEscapeXmlSeeds(const std::string& folder) {
  return WriteBytes(folder + "/markup.txt", "Tom & Jerry <b>bold</b>") &&
         WriteBytes(folder + "/cdata_end.txt", "a]]>b ]]]> ]] >") &&
         WriteBytes(folder + "/quotes.txt", "\"it's\"") &&
         WriteBytes(folder + "/controls.txt",
                    Raw("\x01\x08\t\n\r\x0B\x1F\x7F\0end")) &&
         WriteBytes(folder + "/c1.txt", "\x80\x9F\xA0\xFF\x81") &&
         WriteBytes(folder + "/entities.txt", "&amp;&lt;&#38;");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds CORPUS_FOLDER\n");
    return 2;
  }
  const std::string root = argv[1];
  struct {
    const char* target;
    bool (*write)(const std::string&);
  } const seeds[] = {
      {"tm_file", WriteTmSeeds},
      {"tab_import", WriteImportSeeds},
      {"source_key", WriteSourceKeySeeds},
      {"escape_xml", WriteEscapeXmlSeeds},
  };
  for (const auto& seed : seeds) {
    const std::string folder = root + "/" + seed.target;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !seed.write(folder)) {
      std::fprintf(stderr, "make_fuzz_seeds: cannot write %s\n",
                   folder.c_str());
      return 1;
    }
  }
  return 0;
}

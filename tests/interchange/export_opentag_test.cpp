// The OpenTag document: layout, attributes, escaping and line ends.

#include <gtest/gtest.h>

#include <string>

#include "export_fixture.h"

namespace {

using OpenTagTest = ExportFixture;

TEST_F(OpenTagTest, WorkedExample) {
  MoveTmTo("C:\\Untitled.vrx");
  AddFull("Open the file", "Ouvrez le fichier", "menu", "");
  EXPECT_EQ(OpenTag(),
            "<?xml version='1.0' encoding='windows-1252' ?>\r\n"
            "<opentag version='1.2'>\r\n"
            " <file tool='Tarvenna' lc='EN-US' original='C:\\Untitled.vrx' "
            "datatype='plaintext'>\r\n"
            "  <grp id='1' type='menu'>\r\n"
            "   <prop type='tmkey'>open the file</prop>\r\n"
            "   <p lc='EN-US'>Open the file</p>\r\n"
            "   <p lc='FR-FR'>Ouvrez le fichier</p>\r\n"
            "  </grp>\r\n"
            " </file>\r\n"
            "</opentag>\r\n");
}

TEST_F(OpenTagTest, EmptyTmGivesTheFrameOnly) {
  MoveTmTo("a&b.vrx");
  EXPECT_EQ(OpenTag(),
            "<?xml version='1.0' encoding='windows-1252' ?>\r\n"
            "<opentag version='1.2'>\r\n"
            " <file tool='Tarvenna' lc='EN-US' original='a&amp;b.vrx' "
            "datatype='plaintext'>\r\n"
            " </file>\r\n"
            "</opentag>\r\n");
}

TEST_F(OpenTagTest, GroupAttributes) {
  struct Case {
    const char* id;
    const char* type;
    int32_t x, y, cx, cy;
    const char* grp;
  } cases[] = {
      {"", "", -1, -1, -1, -1, "  <grp id='1'>"},
      {"K2", "", -1, 5, 5, 5, "  <grp id='K2'>"},
      {"", "menu", 0, 0, 0, 0, "  <grp id='3' type='menu'  coord='0;0;0;0'>"},
      {"", "", 3, -1, 5, -1, "  <grp id='4'  coord='3;-1;5;-1'>"},
      {"", "", -7, 1, 1, 1, "  <grp id='5'>"},
      {"it's", "a\"b'", -1, -1, -1, -1, "  <grp id='it&apos;s' type='a&quot;b&apos;'>"},
  };
  int n = 0;
  for (const Case& c : cases) {
    AddFull("entry " + std::string(1, static_cast<char>('a' + n++)), "t", c.type, c.id,
            c.x, c.y, c.cx, c.cy);
  }
  const std::string document = OpenTag();
  size_t from = 0;
  for (const Case& c : cases) {
    const size_t at = document.find(std::string(c.grp) + "\r\n", from);
    EXPECT_NE(at, std::string::npos) << c.grp;
    if (at != std::string::npos) from = at;
  }
}

TEST_F(OpenTagTest, SegmentTexts) {
  AddFull("It's \"x\" < y & z > w \x80\xE9\xFF", "a]]>b \x01", "", "");
  const std::string document = OpenTag();
  EXPECT_NE(document.find("<p lc='EN-US'>It's \"x\" &lt; y &amp; z > w \x80\xE9\xFF</p>"),
            std::string::npos);
  EXPECT_NE(document.find("<p lc='FR-FR'>a]]&gt;b ?</p>"), std::string::npos);
}

TEST_F(OpenTagTest, KeysOnlyWhenAskedFor) {
  AddFull("Save &As...", "Enregistrer", "", "");
  EXPECT_NE(OpenTag(true).find("<prop type='tmkey'>save as</prop>\r\n"), std::string::npos);
  EXPECT_EQ(OpenTag(false).find("prop"), std::string::npos);
}

// Every line ends with CR LF, and a text typed over several lines keeps one
// line end per line: its CR LF is not doubled, a bare LF gets its CR.
TEST_F(OpenTagTest, LineEndsAreCrLf) {
  AddFull("First line\r\nsecond line", "one\ntwo", "", "");
  const std::string document = OpenTag();
  EXPECT_NE(document.find("First line\r\nsecond line</p>"), std::string::npos);
  EXPECT_NE(document.find("one\r\ntwo</p>"), std::string::npos);
  for (size_t i = 0; i < document.size(); ++i) {
    if (document[i] == '\n') {
      ASSERT_EQ(document[i - 1], '\r') << i;
    }
    if (document[i] == '\r') {
      ASSERT_EQ(document[i + 1], '\n') << i;
    }
  }
}

TEST_F(OpenTagTest, UnreadableEntryEndsTheDocument) {
  AddFull("first", "1", "", "");
  const int32_t second = static_cast<int32_t>(store_.IndexOffset());
  AddFull("second", "2", "", "");
  AddFull("third", "3", "", "");
  ASSERT_TRUE(store_.SaveIndex());
  store_.Close();
  Bytes bytes = ReadBytes(path_);
  bytes[second] = 0xFF;  // a source length no record may have
  bytes[second + 1] = 0xFF;
  WriteBytes(path_, bytes);
  Reopen();

  const std::string out = dir_.File("out.otf");
  EXPECT_FALSE(store_.ExportOpenTag(out.c_str(), "Tarvenna", true));
  const Bytes written = ReadBytes(out);
  const std::string document(written.begin(), written.end());
  EXPECT_NE(document.find(">first<"), std::string::npos);
  EXPECT_EQ(document.find(">third<"), std::string::npos);
  EXPECT_EQ(document.substr(document.size() - 22), " </file>\r\n</opentag>\r\n");
}

// Found by fuzzing: a damaged key record whose entry offset reads -1 ended
// the walk as if the TM ended there, and both exports reported success
// without the entries from there on.
TEST_F(OpenTagTest, KeyRecordWithOffsetMinusOneFailsBothExports) {
  AddFull("first", "1", "", "");
  AddFull("second", "2", "", "");
  AddFull("third", "3", "", "");
  ASSERT_TRUE(store_.SaveIndex());
  KeyRecord first;
  ASSERT_TRUE(store_.Keys().RecordAt(0, &first));
  const size_t secondOffsetField = store_.IndexOffset() + first.end;
  store_.Close();
  Bytes bytes = ReadBytes(path_);
  for (size_t i = 0; i < 4; ++i) bytes[secondOffsetField + i] = 0xFF;
  WriteBytes(path_, bytes);
  Reopen();

  const std::string otf = dir_.File("out.otf");
  EXPECT_FALSE(store_.ExportOpenTag(otf.c_str(), "Tarvenna", true));
  const Bytes written = ReadBytes(otf);
  const std::string document(written.begin(), written.end());
  EXPECT_NE(document.find(">first<"), std::string::npos);
  EXPECT_EQ(document.find(">third<"), std::string::npos);
  EXPECT_FALSE(store_.ExportTmx(dir_.File("out.tmx").c_str(), "Tarvenna", "1.00", true));
}

TEST_F(OpenTagTest, NeverWritesOverTheTm) {
  AddFull("Open", "Ouvrir", "", "");
  ASSERT_TRUE(store_.SaveIndex());
  const Bytes before = ReadBytes(path_);
  EXPECT_FALSE(store_.ExportOpenTag(path_.c_str(), "Tarvenna", true));
  EXPECT_FALSE(store_.ExportTmx(path_.c_str(), "Tarvenna", "1.00", true));
  EXPECT_EQ(ReadBytes(path_), before);
}

TEST_F(OpenTagTest, UnwritableFileFails) {
  EXPECT_FALSE(store_.ExportOpenTag(dir_.File("no/such/folder.otf").c_str(), "T", true));
  EXPECT_FALSE(store_.ExportTmx(dir_.File("no/such/folder.tmx").c_str(), "T", "1", true));
}

TEST_F(OpenTagTest, FullDiskIsAFailure) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  for (int i = 0; i < 50; ++i) AddFull("entry number " + std::string(i + 1, 'x'), "t", "", "");
  EXPECT_FALSE(store_.ExportOpenTag("/dev/full", "Tarvenna", true));
  EXPECT_FALSE(store_.ExportTmx("/dev/full", "Tarvenna", "1.00", true));
}

}  // namespace

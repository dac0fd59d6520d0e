// The TMX document: UTF-16 layout, properties and character widening.

#include <gtest/gtest.h>

#include <string>

#include "export_fixture.h"

namespace {

using TmxTest = ExportFixture;

const char kTmxHead[] =
    "<?xml version='1.0' encoding='iso-10646-ucs-2' ?>\r\n"
    "<!DOCTYPE tmx SYSTEM 'tmx11.dtd'>\r\n"
    "<tmx version='1.1'>\r\n"
    " <header\r\n"
    "  creationtool='Tarvenna'\r\n"
    "  creationtoolversion='1.00'\r\n"
    "  datatype='plaintext'\r\n"
    "  segtype='paragraph'\r\n"
    "  adminlang='EN-US'\r\n"
    "  srclang='EN-US'\r\n"
    "  o-tmf='zqVanrix'\r\n"
    " >\r\n"
    " </header>\r\n"
    " <body>\r\n";

TEST_F(TmxTest, WorkedExample) {
  AddFull("Open the file", "Ouvrez le fichier", "menu", "");
  const std::string expected = std::string(kTmxHead) +
                               "  <tu tuid='1'>\r\n"
                               "   <prop type='tmkey'>open the file</prop>\r\n"
                               "   <prop type='type'>menu</prop>\r\n"
                               "   <tuv lang='EN-US'>\r\n"
                               "    <seg>Open the file</seg>\r\n"
                               "   </tuv>\r\n"
                               "   <tuv lang='FR-FR'>\r\n"
                               "    <seg>Ouvrez le fichier</seg>\r\n"
                               "   </tuv>\r\n"
                               "  </tu>\r\n"
                               " </body>\r\n"
                               "</tmx>\r\n";
  EXPECT_EQ(Tmx(), Widen(expected));
  EXPECT_EQ(ReadBytes(dir_.File("out.tmx")).size(), 2 + 2 * expected.size());
}

TEST_F(TmxTest, EmptyTmGivesHeaderAndEmptyBody) {
  EXPECT_EQ(Tmx(), Widen(std::string(kTmxHead) + " </body>\r\n</tmx>\r\n"));
}

TEST_F(TmxTest, UnitIdsAndProperties) {
  AddFull("a one", "t", "", "");
  AddFull("a two", "t", "it's", "K2", -7, 1, 2, 3);
  AddFull("a three", "t", "", "x'y", 0, 0, 0, 0);
  AddFull("a four", "t", "", "", -1, 5, 5, 5);
  const std::u16string document = Tmx();
  const char* expected[] = {
      "  <tu tuid='1'>\r\n   <prop type='tmkey'>a one</prop>\r\n   <tuv",
      "  <tu tuid='K2'>\r\n   <prop type='tmkey'>a two</prop>\r\n"
      "   <prop type='coord'>-7;1;2;3</prop>\r\n   <prop type='type'>it's</prop>\r\n",
      "  <tu tuid='x&apos;y'>\r\n   <prop type='tmkey'>a three</prop>\r\n"
      "   <prop type='coord'>0;0;0;0</prop>\r\n   <tuv",
      "  <tu tuid='4'>\r\n   <prop type='tmkey'>a four</prop>\r\n   <tuv",
  };
  for (const char* piece : expected) {
    EXPECT_NE(document.find(Widen(piece)), std::u16string::npos) << piece;
  }
  const std::u16string withoutKeys = Tmx(false);
  EXPECT_EQ(withoutKeys.find(u"tmkey"), std::u16string::npos);
  EXPECT_NE(withoutKeys.find(u"<prop type='coord'>-7;1;2;3</prop>"), std::u16string::npos);
}

// A windows-1252 TM keeps its typographic characters; a TM in another
// encoding is read as ISO-8859-1, where 0x80 to 0x9F are control codes.
TEST_F(TmxTest, BytesAreWidenedByTheTmEncoding) {
  const std::string text = "\x80 \x92 \x96 \xE9 \x81\x8D\x8F\x90\x9D";
  AddFull(std::string("caf ") + text, text, "", "");
  std::u16string document = Tmx();
  EXPECT_NE(document.find(u"<seg>caf \u20AC \u2019 \u2013 \u00E9 ?\?\?\?\?</seg>"),
            std::u16string::npos);

  store_.Close();
  const std::string latin1 = dir_.File("latin1.vrx");
  ASSERT_TRUE(store_.Open(latin1.c_str(), false, "EN-US", "FR-FR", "iso-8859-1"));
  AddFull(std::string("caf ") + text, text, "", "");
  document = Tmx();
  EXPECT_NE(document.find(u"<seg>caf ? ? ? \u00E9 ?\?\?\?\?</seg>"), std::u16string::npos);
}

TEST_F(TmxTest, EveryLineEndIsCrLf) {
  AddFull("one\r\ntwo", "a]]>b", "", "");
  const std::u16string document = Tmx();
  EXPECT_NE(document.find(u"<seg>one\r\ntwo</seg>"), std::u16string::npos);
  EXPECT_NE(document.find(u"<seg>a]]&gt;b</seg>"), std::u16string::npos);
  for (size_t i = 0; i < document.size(); ++i) {
    if (document[i] == u'\n') {
      ASSERT_EQ(document[i - 1], u'\r') << i;
    }
  }
}

}  // namespace

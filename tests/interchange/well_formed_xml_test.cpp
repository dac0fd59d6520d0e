// Both exports of a TM full of awkward texts parse as XML with a real
// parser (xmllint, from libxml2).

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "export_fixture.h"

namespace {

class WellFormedXmlTest : public ExportFixture,
                          public testing::WithParamInterface<const char*> {
 protected:
  void FillWithAwkwardEntries() {
    const std::string awkward[] = {
        "Tom & Jerry <b>bold</b> \"quoted\" 'single'",
        "a]]>b ]] > ]>",
        std::string("controls \x01\x02\x08\x0B\x0C\x1A\x1F end"),
        "lines\r\ntyped\nover\rseveral",
        "bytes \x80\x81\x8D\x8F\x90\x9D\x9F\xA0\xE9\xFF",
        "tab\there &amp; &#38; &lt;",
    };
    int n = 0;
    for (const std::string& text : awkward) {
      AddFull("source " + std::to_string(n) + " " + text, text, text, text,
              n % 2 ? -1 : n, n, -n, n);
      ++n;
    }
    AddFull("no id or type", "x", "", "");
  }

  static void ExpectWellFormed(const std::string& file) {
    const std::string command = "xmllint --noout '" + file + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << file;
  }
};

TEST_P(WellFormedXmlTest, BothExportsParse) {
  store_.Close();
  const std::string path = dir_.File("awkward & 'odd' <path>.vrx");
  ASSERT_TRUE(store_.Open(path.c_str(), false, "EN-US", "FR-FR", GetParam()));
  FillWithAwkwardEntries();
  const std::string otf = dir_.File("out.otf");
  const std::string tmx = dir_.File("out.tmx");
  ASSERT_TRUE(store_.ExportOpenTag(otf.c_str(), "Tarvenna", true));
  ASSERT_TRUE(store_.ExportTmx(tmx.c_str(), "Tarvenna", "1.00", true));
  ExpectWellFormed(otf);
  ExpectWellFormed(tmx);
}

INSTANTIATE_TEST_SUITE_P(Encodings, WellFormedXmlTest,
                         testing::Values("windows-1252", "iso-8859-1"));

}  // namespace

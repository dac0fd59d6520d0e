#include "cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, BytesBelow0x80AndFrom0xA0AreTheirOwnCodePoints) {
  for (int byte : {0x00, 0x41, 0x7F, 0xA0, 0xE9, 0xFF}) {
    EXPECT_EQ(static_cast<char32_t>(byte),
              Cp1252ToCodePoint(static_cast<unsigned char>(byte)))
        << "byte " << byte;
  }
}

TEST(Cp1252, TheBytes0x80To0x9FFollowTheCodePage) {
  struct Case {
    unsigned char byte;
    char32_t code_point;
  };
  const Case cases[] = {
      {0x80, 0x20AC},  // euro sign
      {0x85, 0x2026},  // ellipsis
      {0x8A, 0x0160},  // S with caron
      {0x92, 0x2019},  // right single quote
      {0x96, 0x2013},  // en dash
      {0x99, 0x2122},  // trade mark
      {0x9F, 0x0178},  // Y with diaeresis
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.code_point, Cp1252ToCodePoint(c.byte)) << int(c.byte);
    EXPECT_EQ(static_cast<char>(c.byte), Cp1252FromCodePoint(c.code_point))
        << int(c.byte);
  }
}

TEST(Cp1252, UndefinedBytesReadAsTheReplacementCharacter) {
  for (unsigned char byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_EQ(char32_t{0xFFFD}, Cp1252ToCodePoint(byte)) << int(byte);
  }
}

TEST(Cp1252, CharactersTheCodePageLacksBecomeQuestionMarks) {
  // C1 controls (which share numbers with the remapped bytes), other
  // scripts, a character beyond the BMP, and the replacement character.
  for (char32_t code_point : {0x0081u, 0x009Du, 0x0100u, 0x4E2Du, 0x1F600u,
                              0xFFFDu}) {
    EXPECT_EQ('?', Cp1252FromCodePoint(code_point)) << code_point;
  }
}

TEST(Cp1252, TextsCrossBothWays) {
  const std::string bytes = "Caf\xE9 \x80 5 \x96 \x93ok\x94";
  const wxString text = Cp1252ToWx(bytes);
  EXPECT_EQ(wxString::FromUTF8("Café € 5 – “ok”"), text);
  EXPECT_EQ(bytes, WxToCp1252(text));
}

TEST(Cp1252, EveryDefinedByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) {
    if (Cp1252ToCodePoint(static_cast<unsigned char>(byte)) != 0xFFFD) {
      all += static_cast<char>(byte);
    }
  }
  EXPECT_EQ(all, WxToCp1252(Cp1252ToWx(all)));
}

TEST(Cp1252, ACharacterBeyondTheBmpIsOneQuestionMark) {
  const wxString text = wxString::FromUTF8("a\xF0\x9F\x98\x80z");  // a😀z
  EXPECT_EQ("a?z", WxToCp1252(text));
}

}  // namespace

// Conversion between the 8-bit windows-1252 bytes of a TM and the Unicode
// text that people see and type.
//
// TM texts are stored as windows-1252 bytes and travel through the engine
// unchanged; the screen works in Unicode. Every text crosses between the two
// here, and nowhere else.

#ifndef TARVENNA_APP_PLATFORM_CP1252_H_
#define TARVENNA_APP_PLATFORM_CP1252_H_

#include <string>
#include <string_view>

#include <wx/string.h>

// The character that windows-1252 byte `byte` stands for. The five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) give
// U+FFFD, the replacement character.
char32_t Cp1252ToCodePoint(unsigned char byte);

// The windows-1252 byte for `code_point`, or '?' when the code page has no
// such character.
char Cp1252FromCodePoint(char32_t code_point);

// Whole texts, for the screen and back.
wxString Cp1252ToWx(std::string_view bytes);
std::string WxToCp1252(const wxString& text);

#endif  // TARVENNA_APP_PLATFORM_CP1252_H_

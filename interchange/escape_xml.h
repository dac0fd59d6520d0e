// EscapeXml: makes an 8-bit text safe to stand in an XML document, as
// element content or as an attribute value delimited by apostrophes.

#ifndef TARVENNA_INTERCHANGE_ESCAPE_XML_H_
#define TARVENNA_INTERCHANGE_ESCAPE_XML_H_

#include <string>

// Replaces `text` by its escaped form and returns its characters (valid
// while `text` is unchanged):
//   &  -> &amp;      <  -> &lt;      > after "]]" -> &gt;
//   "  -> &quot;  and  '  -> &apos;  with `quotes` (attribute values)
//   0x80-0x9F -> ?   with `c1`, for output that widens bytes as ISO-8859-1
//   controls XML forbids (below 0x20 but TAB, LF, CR) -> ?
// Other bytes pass unchanged; no byte is decoded.
const char* EscapeXml(std::string& text, bool quotes, bool c1);

#endif  // TARVENNA_INTERCHANGE_ESCAPE_XML_H_

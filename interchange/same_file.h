// Whether two paths name one file, so that no export or import ever writes
// over or reads from the TM it works on.

#ifndef TARVENNA_INTERCHANGE_SAME_FILE_H_
#define TARVENNA_INTERCHANGE_SAME_FILE_H_

#include <string>

// True when both name an existing file and it is the same one (links and
// other spellings of the path included).
bool IsSameFile(const std::string& a, const std::string& b);

#endif  // TARVENNA_INTERCHANGE_SAME_FILE_H_

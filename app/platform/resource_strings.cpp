#include "resource_strings.h"

#include <wx/debug.h>
#include <wx/tokenzr.h>

#include "resource_tables.h"

wxString LoadResourceString(int id) {
  const char* text = FindStringResource(id);
  wxASSERT_MSG(text != nullptr, wxString::Format("no string %d", id));
  return text ? wxString::FromUTF8(text) : wxString();
}

wxString LoadCommandPrompt(int command) {
  return LoadResourceString(command).BeforeFirst('\n');
}

wxString LoadCommandTooltip(int command) {
  return LoadResourceString(command).AfterFirst('\n');
}

wxString LoadDocString(DocStringIndex index) {
  const wxArrayString parts =
      wxSplit(LoadResourceString(IDR_MAINFRAME), '\n', '\0');
  return static_cast<size_t>(index) < parts.size() ? parts[index] : wxString();
}

wxString FormatResourceString(int id, std::initializer_list<wxString> args) {
  const wxString pattern = LoadResourceString(id);
  wxString text;
  for (size_t i = 0; i < pattern.length(); ++i) {
    const wxUniChar ch = pattern[i];
    if (ch == '%' && i + 1 < pattern.length() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const size_t arg = static_cast<size_t>(pattern[i + 1].GetValue() - '1');
      if (arg < args.size()) {
        text += *(args.begin() + arg);
        ++i;
        continue;
      }
    }
    text += ch;
  }
  return text;
}

wxString FileDialogWildcard(int filter_id) {
  wxString filter = LoadResourceString(filter_id);
  while (filter.EndsWith("|")) filter.RemoveLast();
  return filter;
}

// The recent-file list: the TMs opened last, newest first, kept in the
// user's settings between runs and shown in the File menu in place of its
// "Recent TM" line, each entry as "&1 name" with the path shortened to fit.

#ifndef TARVENNA_APP_RECENT_FILE_LIST_H_
#define TARVENNA_APP_RECENT_FILE_LIST_H_

#include <wx/filehistory.h>
#include <wx/string.h>

class wxMenu;

class CRecentFileList {
 public:
  // Entries are commands first_command, first_command + 1, ...; stored as
  // <section>/File1, File2, ...
  CRecentFileList(int first_command, size_t max_entries,
                  const wxString& section, size_t max_display_chars);

  void ReadList();
  void WriteList() const;

  // Puts `path` at the top; a path already listed moves up, and the oldest
  // entry drops off a full list.
  void Add(const wxString& path);
  void Remove(size_t index);

  size_t GetCount() const { return history_.GetCount(); }
  wxString GetPath(size_t index) const;

  // The entry index of a recent-file command, or -1.
  int IndexOfCommand(int command) const;

  // Shows the list in `menu` where the first entry's command stands; an
  // empty list shows the menu's original line there, greyed.
  void UpdateMenu(wxMenu* menu);

  // The menu text of entry `index`.
  wxString MenuLabel(size_t index) const;

 private:
  int first_command_;
  size_t max_entries_;
  wxString section_;
  size_t max_display_chars_;
  wxFileHistory history_;
  wxString placeholder_label_;
};

#endif  // TARVENNA_APP_RECENT_FILE_LIST_H_

#include "recent_file_list.h"

#include <wx/menu.h>

#include "path_abbreviation.h"
#include "platform/resource_strings.h"
#include "platform/user_settings.h"
#include "resource_ids.h"

namespace {

wxString EntryName(size_t index) {
  return wxString::Format("File%zu", index + 1);
}

}  // namespace

CRecentFileList::CRecentFileList(int first_command, size_t max_entries,
                                 const wxString& section,
                                 size_t max_display_chars)
    : first_command_(first_command),
      max_entries_(max_entries),
      section_(section),
      max_display_chars_(max_display_chars),
      history_(max_entries, WxCommandId(first_command)) {}

void CRecentFileList::ReadList() {
  while (history_.GetCount() > 0) history_.RemoveFileFromHistory(0);
  // Adding puts each path on top, so the oldest (the last entry) goes first.
  for (size_t i = max_entries_; i-- > 0;) {
    const wxString path = ReadUserSetting(section_, EntryName(i));
    if (!path.empty()) history_.AddFileToHistory(path);
  }
}

void CRecentFileList::WriteList() const {
  for (size_t i = 0; i < max_entries_; ++i) {
    if (i < history_.GetCount()) {
      WriteUserSetting(section_, EntryName(i), history_.GetHistoryFile(i));
    } else {
      DeleteUserSetting(section_, EntryName(i));
    }
  }
  FlushUserSettings();
}

void CRecentFileList::Add(const wxString& path) {
  history_.AddFileToHistory(path);
}

void CRecentFileList::Remove(size_t index) {
  if (index < history_.GetCount()) history_.RemoveFileFromHistory(index);
}

wxString CRecentFileList::GetPath(size_t index) const {
  return index < history_.GetCount() ? history_.GetHistoryFile(index)
                                     : wxString();
}

int CRecentFileList::IndexOfCommand(int command) const {
  const int index = command - first_command_;
  return index >= 0 && static_cast<size_t>(index) < max_entries_ ? index : -1;
}

wxString CRecentFileList::MenuLabel(size_t index) const {
  wxString name = AbbreviatePath(GetPath(index), max_display_chars_);
  name.Replace("&", "&&");  // an & in a name is text, not a mnemonic
  return wxString::Format("&%zu %s", index + 1, name);
}

void CRecentFileList::UpdateMenu(wxMenu* menu) {
  // Find where the list stands: at the first of its commands still in the
  // menu, whether that is the original line or an entry.
  int position = -1;
  for (size_t i = 0; i < menu->GetMenuItemCount(); ++i) {
    wxMenuItem* item = menu->FindItemByPosition(i);
    if (IndexOfCommand(CommandFromWxId(item->GetId())) >= 0) {
      position = static_cast<int>(i);
      break;
    }
  }
  if (position < 0) return;

  if (placeholder_label_.empty()) {
    placeholder_label_ =
        menu->FindItemByPosition(static_cast<size_t>(position))->GetItemLabel();
  }
  for (size_t i = 0; i < max_entries_; ++i) {
    const int id = WxCommandId(first_command_ + static_cast<int>(i));
    if (menu->FindItem(id)) menu->Destroy(id);
  }

  if (history_.GetCount() == 0) {
    menu->Insert(static_cast<size_t>(position), WxCommandId(first_command_),
                 placeholder_label_, LoadCommandPrompt(first_command_))
        ->Enable(false);
    return;
  }
  for (size_t i = 0; i < history_.GetCount(); ++i) {
    const int command = first_command_ + static_cast<int>(i);
    menu->Insert(static_cast<size_t>(position) + i, WxCommandId(command),
                 MenuLabel(i), LoadCommandPrompt(command));
  }
}

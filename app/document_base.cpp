#include "document_base.h"

#include <wx/filename.h>

#include "tarvenna_app.h"

CDocumentBase::CDocumentBase() = default;

CDocumentBase::~CDocumentBase() = default;

void CDocumentBase::SetTitle(const wxString& title) {
  title_ = title;
  wxGetApp().UpdateFrameTitle();
}

void CDocumentBase::SetPathName(const wxString& path, bool add_to_recent) {
  wxFileName full(path);
  full.MakeAbsolute();
  path_name_ = full.GetFullPath();
  SetTitle(full.GetFullName());
  if (add_to_recent) wxGetApp().AddToRecentFileList(path_name_);
}

void CDocumentBase::ClearPathName() { path_name_.clear(); }

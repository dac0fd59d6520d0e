#include "document_base.h"

#include <algorithm>

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

void CDocumentBase::AddView(CViewBase* view) { views_.push_back(view); }

void CDocumentBase::RemoveView(CViewBase* view) {
  views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void CDocumentBase::UpdateAllViews() {
  for (CViewBase* view : views_) view->OnUpdate();
}

void CDocumentBase::InitialUpdateAllViews() {
  for (CViewBase* view : views_) view->OnInitialUpdate();
}

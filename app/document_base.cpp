#include "document_base.h"

#include <algorithm>

#include <wx/filename.h>

#include "tarvenna_app.h"

CDocumentBase::CDocumentBase() = default;

CDocumentBase::~CDocumentBase() {
  for (CViewBase* view : views_) view->document_ = nullptr;
}

CViewBase::CViewBase(CDocumentBase* document) : document_(document) {
  if (document_) document_->views_.push_back(this);
}

CViewBase::~CViewBase() {
  if (!document_) return;
  auto& views = document_->views_;
  views.erase(std::remove(views.begin(), views.end(), this), views.end());
}

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

void CDocumentBase::UpdateAllViews() {
  for (CViewBase* view : views_) view->OnUpdate();
}

void CDocumentBase::InitialUpdateAllViews() {
  for (CViewBase* view : views_) view->OnInitialUpdate();
}

// The TM document as the application sees it: the New and Open steps it
// runs, and the path name and title that name the open TM in the window
// title and in the recent-file list.
//
// The application keeps one document for the whole run and hands it every
// New and Open, so the TM open before stays open until the document itself
// decides otherwise (a cancelled New keeps it). Menu and toolbar commands
// reach the document, after the view and before the main frame, through its
// event table.

#ifndef TARVENNA_APP_DOCUMENT_BASE_H_
#define TARVENNA_APP_DOCUMENT_BASE_H_

#include <vector>

#include <wx/event.h>
#include <wx/string.h>

class CDocumentBase;

// A window that shows a document: told when a TM has just been created or
// opened (its initial update) and whenever the TM changed (its update). It
// joins its document's views when made and leaves them when destroyed; a
// document that goes first leaves its views without one.
class CViewBase {
 public:
  explicit CViewBase(CDocumentBase* document);
  virtual ~CViewBase();
  CViewBase(const CViewBase&) = delete;
  CViewBase& operator=(const CViewBase&) = delete;

  virtual void OnInitialUpdate() = 0;
  virtual void OnUpdate() = 0;

  CDocumentBase* GetDocument() const { return document_; }

 private:
  friend class CDocumentBase;
  CDocumentBase* document_;
};

class CDocumentBase : public wxEvtHandler {
 public:
  CDocumentBase();
  ~CDocumentBase() override;

  // New: called once the document has been given its default title. False
  // leaves the window as it is.
  virtual bool OnNewDocument() = 0;

  // Open of the TM at `path`, a full path. On true the application sets the
  // path name, which puts the TM into the title and the recent-file list.
  virtual bool OnOpenDocument(const wxString& path) = 0;

  const wxString& GetPathName() const { return path_name_; }
  const wxString& GetTitle() const { return title_; }

  // The title shows in the main window's title after the program's name.
  void SetTitle(const wxString& title);

  // Sets the full path of the open TM; the title becomes the file's name,
  // and with `add_to_recent` the TM moves to the top of the recent-file list.
  void SetPathName(const wxString& path, bool add_to_recent = true);

  // Forgets the path, as for a document that holds no TM.
  void ClearPathName();

  void UpdateAllViews();
  void InitialUpdateAllViews();

 private:
  friend class CViewBase;
  wxString path_name_;
  wxString title_;
  std::vector<CViewBase*> views_;
};

#endif  // TARVENNA_APP_DOCUMENT_BASE_H_

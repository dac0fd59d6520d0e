// CTarvennaDoc: the TM document. It owns the one TmStore of the program for
// its whole life and turns the File menu's TM commands into store
// operations, with the dialogs, questions, status texts and messages around
// them: New, Open, Add An Entry, Import Entries From Text File, Export To
// OpenTag and Export To TMX.
//
// The document keeps nothing besides the store: its path name and title say
// which TM is open. Every command that changes the TM saves it before it
// returns, so there is never anything to save on the way out.

#ifndef TARVENNA_APP_TARVENNA_DOC_H_
#define TARVENNA_APP_TARVENNA_DOC_H_

#include <wx/string.h>

#include "document_base.h"
#include "tm_store.h"

class wxCommandEvent;
class wxUpdateUIEvent;

class CTarvennaDoc : public CDocumentBase {
 public:
  CTarvennaDoc();

  TmStore& GetStore() { return store_; }

  bool OnNewDocument() override;
  bool OnOpenDocument(const wxString& path) override;

 private:
  struct ExportKind;

  void OnAddEntry(wxCommandEvent& event);
  void OnImportEntries(wxCommandEvent& event);
  void OnExportOpenTag(wxCommandEvent& event);
  void OnExportTmx(wxCommandEvent& event);
  void OnUpdateTmCommand(wxUpdateUIEvent& event);

  void Export(const ExportKind& kind);
  // Opens or creates the TM; on failure says why and shows no TM.
  bool OpenStore(const wxString& path, const char* sourceLocale,
                 const char* targetLocale, const char* encoding);
  // Asks whether to replace an existing file with a new TM and deletes it.
  // False when the user keeps it or it cannot go.
  bool ReplaceExistingFile(const wxString& path);
  void EndNewAsCancelled();
  void ReportSaveFailure();

  TmStore store_;
  bool first_call_ = true;
};

#endif  // TARVENNA_APP_TARVENNA_DOC_H_

// CTarvennaView: the query form that fills the main window (template 101).
// The user types a text, sets the threshold (1 to 100, with arrows) and the
// concordance switch, and queries the open TM; the hits are listed best
// first, and the selected hit's source text, target text and source key
// are shown. The view also carries out Undo, Cut, Copy and Paste for the
// edit field that has the focus, and stretches its fields as the window
// grows.
//
// It keeps no TM data of its own: it reads the document's store, and writes
// the store's threshold and concordance flag before each query.

#ifndef TARVENNA_APP_TARVENNA_VIEW_H_
#define TARVENNA_APP_TARVENNA_VIEW_H_

#include <wx/panel.h>

#include "document_base.h"

class CMainFrame;
class CResultList;
class CTarvennaDoc;
class CUpDownControl;
class TmStore;
class wxCheckBox;
class wxStaticBitmap;
class wxStaticText;
class wxTextCtrl;

class CTarvennaView : public wxPanel, public CViewBase {
 public:
  CTarvennaView(CMainFrame* frame, CTarvennaDoc* document);

  void OnInitialUpdate() override;
  void OnUpdate() override;

  // Runs the query with the form's text, threshold and mode.
  void OnQuery();
  // Shows the selected hit in the three panes.
  void OnSelchangeResults();

  // Whether `window` is an edit field, the target of the Edit commands.
  static bool IsEditControl(wxWindow* window);

  CResultList* GetResultList() const { return results_; }
  // Whether hits of the last query are still being added to the list.
  bool IsListing() const { return listing_; }

 private:
  void AttachControls();
  void OnSize(wxSizeEvent& event);
  void OnQueryButton(wxCommandEvent& event);
  void OnResultSelected(wxCommandEvent& event);
  void OnConcordanceClicked(wxCommandEvent& event);
  void OnKillfocusThreshold(wxFocusEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void OnIdle(wxIdleEvent& event);
  void OnUpdateEditCommand(wxUpdateUIEvent& event);
  void OnEditCommand(wxCommandEvent& event);

  // Takes a threshold typed but not yet taken over: 1 to 100, as leaving
  // the field does.
  void ApplyTypedThreshold();
  // Adds up to `count` more hits of the result walk to the list.
  void ListMoreHits(size_t count);
  void ClearPanes();
  void StretchControls(int dx, int dy);
  TmStore* Store() const;

  CMainFrame* frame_;
  wxTextCtrl* query_ = nullptr;
  wxTextCtrl* threshold_ = nullptr;
  CUpDownControl* threshold_arrows_ = nullptr;
  wxCheckBox* concordance_ = nullptr;
  wxStaticText* entry_count_ = nullptr;
  wxStaticText* match_count_ = nullptr;
  wxTextCtrl* source_key_ = nullptr;
  wxTextCtrl* source_text_ = nullptr;
  wxTextCtrl* target_text_ = nullptr;
  wxStaticBitmap* logo_ = nullptr;
  CResultList* results_ = nullptr;

  int last_width_ = 0;
  int last_height_ = 0;
  bool initialised_ = false;
  bool listing_ = false;
};

#endif  // TARVENNA_APP_TARVENNA_VIEW_H_

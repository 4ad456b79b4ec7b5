#pragma once
#include "ui/combo_box.h"
#include "ui/track_bar.h"
#include "ui/up_down.h"
#include "ui/win32/control_view.h"

namespace zt::ui::win32 {

class TrackBarView : public WindowedView {
 public:
  TrackBarView(Binding& binding, ui::TrackBar& bar) : WindowedView(binding, bar), bar_(bar) {}
  void Realise() override;
  bool OnScroll(WORD code) override;

 protected:
  void OtherChanged(const ui::Change& change) override;

 private:
  void ShowRange();
  void ShowPosition();
  ui::TrackBar& bar_;
};

// The up-down's own position is never used: the model formats its edit's
// text (thousands separators included), so every arrow click is vetoed in
// the window and carried out by the model.
class UpDownView : public WindowedView {
 public:
  UpDownView(Binding& binding, ui::UpDown& upDown) : WindowedView(binding, upDown), upDown_(upDown) {}
  void Realise() override;
  bool OnNotify(NMHDR* header, LRESULT* result) override;
  // The associated edit got its window (it may come after the up-down).
  void BindBuddy();

 protected:
  void OtherChanged(const ui::Change& change) override;

 private:
  ui::UpDown& upDown_;
};

class ComboBoxView : public WindowedView {
 public:
  ComboBoxView(Binding& binding, ui::ComboBox& combo) : WindowedView(binding, combo), combo_(combo) {}
  void Realise() override;
  bool OnCommand(WORD code) override;

 protected:
  std::wstring WindowText() const override { return combo_.Text(); }
  void BoundsChanged() override;
  void CaptionChanged() override;
  void OtherChanged(const ui::Change& change) override;

 private:
  void FillItems();
  void ShowSelection();
  ui::ComboBox& combo_;
};

}  // namespace zt::ui::win32

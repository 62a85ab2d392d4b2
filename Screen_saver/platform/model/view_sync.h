#pragma once
// How a backend's view of one window follows the model, once for every backend: it learns
// of the elements added since it last looked, restarts a timer whose settings changed, syncs
// the native part of a windowed element, and paints again only what a drawn element
// covered and covers now, or what a change of the stacking order uncovered.

#include <cstddef>
#include <vector>

#include "window.h"

namespace hc {

class ViewSync : public WindowObserver {
 public:
  explicit ViewSync(Window& window) : window_(window) {}

  void ElementChanged(Element& e, const RectTwips& before) final;
  void StackingChanged() final;

 protected:
  // Starts following the window; the backend calls it once its own parts are ready.
  void Follow();
  // Takes in the elements added since the last look.
  void Discover();

  // A timer element has appeared; it starts as the model says.
  virtual void AddTimer(const Timer& timer) = 0;
  // Starts or stops the timer as the model now says; setting it restarts its count.
  virtual void RestartTimer(const Timer& timer) = 0;
  // A windowed element has appeared.
  virtual void AddWindowed(Element& e) = 0;
  // Brings the native part of a windowed element in line with it; false when it has none yet.
  virtual bool SyncNative(Element& e) = 0;
  // Paints again what an area of the window (twips, relative to its client area) shows of
  // the surface `e` lies on.
  virtual void InvalidateDrawn(const Element& e, const RectTwips& area) = 0;
  virtual void InvalidateAllDrawn() = 0;
  // Puts the native parts in the model's stacking order.
  virtual void Restack() = 0;
  // Whether windowed elements are painted with the drawn ones, with no native part at all.
  virtual bool PaintsWindowed() const { return false; }

  Window& window_;

 private:
  std::size_t known_ = 0;
  std::vector<Element*> last_stacking_;
};

}  // namespace hc

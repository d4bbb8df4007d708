#include "installer/lite_installer/ui/shadow_window_win.h"

#include "base/win/scoped_gdi_win.h"
#include "installer/lite_installer/ui/window_geometry.h"

namespace lite_installer {

namespace {

struct PieceIds {
  int id_1x;
  int id_2x;
};

// The pictures of each piece, in ShadowPiece order. The corners differ
// before Windows 8, where the window has square corners; the edges are
// shared.
PieceIds PieceResource(ShadowPiece piece, bool windows8_or_later) {
  // Index of the corner among top-left, top-right, bottom-right, bottom-left
  // and of the edge among left, top, right, bottom.
  int corner = -1;
  int edge = -1;
  switch (piece) {
    case kShadowTopLeft:
      corner = 0;
      break;
    case kShadowTopRight:
      corner = 1;
      break;
    case kShadowBottomRight:
      corner = 2;
      break;
    case kShadowBottomLeft:
      corner = 3;
      break;
    case kShadowLeft:
      edge = 0;
      break;
    case kShadowTop:
      edge = 1;
      break;
    case kShadowRight:
      edge = 2;
      break;
    case kShadowBottom:
      edge = 3;
      break;
    default:
      break;
  }
  if (edge >= 0)
    return {2279 + edge, 2287 + edge};
  if (windows8_or_later)
    return {2275 + corner, 2283 + corner};
  return {2291 + corner, 2295 + corner};
}

}  // namespace

ShadowWindow::~ShadowWindow() {
  if (window_)
    ::DestroyWindow(window_);
}

bool ShadowWindow::Create(HWND owner, bool windows8_or_later, double factor) {
  if (window_)
    return true;
  owner_ = owner;
  windows8_or_later_ = windows8_or_later;
  factor_ = factor;
  for (int piece = 0; piece < kShadowPieceCount; ++piece) {
    const PieceIds ids = PieceResource(static_cast<ShadowPiece>(piece), windows8_or_later);
    pieces_[piece].LoadAtScale(ids.id_1x, ids.id_2x, factor);
  }
  const RECT place = ShadowRect();
  // Transparent to the mouse: it lies over the window's edges, and clicks
  // there belong to the window.
  window_ =
      ::CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, L"STATIC", L"", WS_POPUPWINDOW,
                        place.left, place.top, place.right - place.left, place.bottom - place.top,
                        owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  return window_ != nullptr;
}

RECT ShadowWindow::ShadowRect() const {
  RECT owner = {};
  ::GetWindowRect(owner_, &owner);
  const int margin = Scale(8, factor_);
  return {owner.left - margin, owner.top - margin, owner.right + margin, owner.bottom + margin};
}

void ShadowWindow::Update(const ResourceBitmap* window_picture) {
  if (!window_)
    return;
  RECT owner = {};
  ::GetWindowRect(owner_, &owner);
  const ShadowGeometry geometry =
      ComputeShadowGeometry(owner.right - owner.left, owner.bottom - owner.top, factor_);
  MemoryCanvas canvas;
  if (!canvas.Create(nullptr, geometry.size.width, geometry.size.height))
    return;
  const PixelCanvas pixels = canvas.pixels();
  for (int piece = 0; piece < kShadowPieceCount; ++piece) {
    const Rect& rect = geometry.pieces[piece];
    const ResourceBitmap& picture = pieces_[piece];
    picture.DrawOnPixels(pixels, rect.left, rect.top, rect.width(), rect.height(), 0, 0,
                         picture.Width(), picture.Height());
  }
  if (windows8_or_later_ && window_picture) {
    // The bands lie where the owner's edges are: the picture's own pixels,
    // shifted by the margin.
    for (const Rect& band : geometry.bands) {
      window_picture->DrawOnPixels(pixels, band.left, band.top, band.width(), band.height(),
                                   band.left - geometry.margin, band.top - geometry.margin,
                                   band.width(), band.height());
    }
  }
  composed_ = std::move(canvas);
  POINT position = {owner.left - geometry.margin, owner.top - geometry.margin};
  SIZE size = {geometry.size.width, geometry.size.height};
  POINT origin = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  base::win::ScopedGetDC screen(nullptr);
  ::UpdateLayeredWindow(window_, screen.Get(), &position, &size, composed_.dc(), &origin, 0, &blend,
                        ULW_ALPHA);
  if (windows8_or_later_ && ::IsWindowVisible(window_)) {
    for (const Rect& band : geometry.bands) {
      const RECT invalid = {band.left, band.top, band.right, band.bottom};
      ::InvalidateRect(window_, &invalid, FALSE);
    }
  }
}

void ShadowWindow::Show() {
  if (!window_)
    return;
  // An owned window stays in front of its owner whatever is asked; the
  // pieces leave the owner's area clear, so the owner shows through.
  ::SetWindowPos(window_, owner_, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  ::ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void ShadowWindow::Hide() {
  if (window_)
    ::ShowWindow(window_, SW_HIDE);
}

void ShadowWindow::MoveToOwner() {
  if (!window_)
    return;
  const RECT place = ShadowRect();
  ::SetWindowPos(window_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace lite_installer

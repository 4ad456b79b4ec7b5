#include "ui/win32/png_picture.h"

#include <objidl.h>
// GDI+ expects min/max that NOMINMAX removes.
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "ui/win32/window.h"

namespace zt::ui::win32 {

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// GDI+ is started once and left running: pictures live as long as their
// windows, and shutting it down at exit gains nothing.
bool StartGdiplus() {
  static bool started = [] {
    ULONG_PTR token = 0;
    GdiplusStartupInput input;
    return GdiplusStartup(&token, &input, nullptr) == Ok;
  }();
  return started;
}

}  // namespace

Picture::Picture(void* bitmap) : bitmap_(bitmap) {
  UINT width = 0, height = 0;
  GdipGetImageWidth(static_cast<GpImage*>(bitmap_), &width);
  GdipGetImageHeight(static_cast<GpImage*>(bitmap_), &height);
  width_ = static_cast<int>(width);
  height_ = static_cast<int>(height);
}

Picture::~Picture() { GdipDisposeImage(static_cast<GpImage*>(bitmap_)); }

std::unique_ptr<Picture> Picture::FromBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.empty() || !StartGdiplus()) return nullptr;
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return nullptr;
  std::copy(bytes.begin(), bytes.end(), static_cast<std::uint8_t*>(::GlobalLock(memory)));
  ::GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    ::GlobalFree(memory);
    return nullptr;
  }
  GpBitmap* bitmap = nullptr;
  GpStatus status = GdipCreateBitmapFromStream(stream, &bitmap);
  GpBitmap* copy = nullptr;
  if (status == Ok) {
    // A bitmap made from a stream keeps reading it; a clone owns its pixels.
    UINT width = 0, height = 0;
    GdipGetImageWidth(bitmap, &width);
    GdipGetImageHeight(bitmap, &height);
    status = GdipCloneBitmapAreaI(0, 0, static_cast<INT>(width), static_cast<INT>(height),
                                  PixelFormat32bppPARGB, bitmap, &copy);
    GdipDisposeImage(bitmap);
  }
  stream->Release();
  if (status != Ok || !copy) return nullptr;
  return std::unique_ptr<Picture>(new Picture(copy));
}

std::unique_ptr<Picture> Picture::FromResource(const std::wstring& name) {
  HRSRC info = ::FindResourceW(ModuleInstance(), name.c_str(), reinterpret_cast<LPCWSTR>(RT_RCDATA));
  if (!info) return nullptr;
  HGLOBAL loaded = ::LoadResource(ModuleInstance(), info);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data) return nullptr;
  return FromBytes({static_cast<const std::uint8_t*>(data), ::SizeofResource(ModuleInstance(), info)});
}

void Picture::Draw(HDC dc, const RECT& target) const {
  GpGraphics* graphics = nullptr;
  if (GdipCreateFromHDC(dc, &graphics) != Ok) return;
  // Enlarged pixels stay sharp (pictures here are small icons and banners);
  // reduced ones are averaged.
  bool reduced = target.right - target.left < width_ || target.bottom - target.top < height_;
  GdipSetInterpolationMode(graphics,
                           reduced ? InterpolationModeHighQualityBicubic : InterpolationModeNearestNeighbor);
  GdipSetPixelOffsetMode(graphics, PixelOffsetModeHalf);
  GdipDrawImageRectI(graphics, static_cast<GpImage*>(bitmap_), target.left, target.top,
                     target.right - target.left, target.bottom - target.top);
  GdipDeleteGraphics(graphics);
}

HICON Picture::CreateIcon() const {
  HICON icon = nullptr;
  if (GdipCreateHICONFromBitmap(static_cast<GpBitmap*>(bitmap_), &icon) != Ok) return nullptr;
  return icon;
}

}  // namespace zt::ui::win32

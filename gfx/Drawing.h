#pragma once
// The drawing layer. Every operation acts on the CurrentTarget: one off-screen surface or
// one canvas control, chosen with SelectTarget. With no current target every operation
// does nothing and GetSurfaceSize answers (0, 0). No operation reports an error.
#include "gfx/Colour.h"
#include "gfx/Surface.h"
#include "platform/Handles.h"
#include <cstdint>
#include <vector>

// Opaque, non-zero for a surface; 0 names none.
using SurfaceHandle = std::uintptr_t;

enum class MixMode { Copy, And };

// Raster operation codes of plain and AND copies.
constexpr std::uint32_t SRCCOPY = 0xCC0020;
constexpr std::uint32_t SRCAND = 0x8800C6;

SurfaceHandle CreateSurface(int width, int height); // 0 on failure; target unchanged
void DestroySurface();                              // only when the target is a surface
void SelectTarget(SurfaceHandle surface);
void SelectTarget(WindowHandle window, int controlId, bool buffered);
void ReleaseTarget();
void SetColours(Colour fore, Colour back);
void ClearTarget(Colour colour);
void SetPenWidth(int width);
Colour ReadPixel(int x, int y);
void WritePixel(int x, int y, Colour colour);
void DrawBox(int x1, int y1, int x2, int y2, Colour border, Colour fill);
void CopySurface(SurfaceHandle source);
void CopySurfaceAt(SurfaceHandle source, int x, int y, MixMode mode);
void Refresh();
void GetSurfaceSize(int& width, int& height);
void GetPosition(int& x, int& y);
void SetPosition(int x, int y);

// PixelBlock: width and height as little-endian signed 32-bit values, then the pixels,
// top row first, each as the bytes blue, green, red, 0.
std::vector<std::uint8_t> ReadAllPixels();

// The drawing context stands for what only the platform offers on a target: direct
// access to its surface (image decoding) and text justification.
struct DrawingContext {
    Surface* surface = nullptr;
};
DrawingContext GetDrawingContext(); // surface nullptr when there is no target
// Spread `extra` pixels over the `blanks` blanks of the next DrawText; (0, 0) resets.
void SetTextJustification(DrawingContext context, int extra, int blanks);

// The surface behind a handle, or nullptr (for code that works on whole blocks of
// pixels, such as the codecs and the grid build).
Surface* SurfaceFromHandle(SurfaceHandle handle);

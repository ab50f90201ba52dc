// Off-screen surfaces: creation, the handles that name them, and selecting the target.
#include "gfx/Drawing.h"
#include "gfx/Target.h"
#include <algorithm>
#include <new>
#include <vector>

Target CurrentTarget;

namespace {

// Every live off-screen surface. A handle is the surface's address; the program keeps a
// handful of surfaces, so finding one is a short scan of a flat vector.
std::vector<std::unique_ptr<Surface>> liveSurfaces;

SurfaceHandle HandleOf(const Surface* surface) { return reinterpret_cast<SurfaceHandle>(surface); }

} // namespace

Surface* SurfaceFromHandle(SurfaceHandle handle) {
    if (handle == 0) return nullptr;
    for (const auto& surface : liveSurfaces)
        if (HandleOf(surface.get()) == handle) return surface.get();
    return nullptr;
}

SurfaceHandle CreateSurface(int width, int height) {
    if (width <= 0 || height <= 0) return 0;
    std::unique_ptr<Surface> surface(new (std::nothrow) Surface(width, height));
    if (!surface || !surface->Pixels()) return 0;
    SurfaceHandle handle = HandleOf(surface.get());
    liveSurfaces.push_back(std::move(surface));
    return handle;
}

void DestroySurface() {
    if (!CurrentTarget.surface || CurrentTarget.canvas) return;
    Surface* doomed = CurrentTarget.surface;
    CurrentTarget = Target{};
    std::erase_if(liveSurfaces, [doomed](const auto& s) { return s.get() == doomed; });
}

void SelectTarget(SurfaceHandle handle) {
    CurrentTarget = Target{SurfaceFromHandle(handle), nullptr};
}

void ReleaseTarget() { CurrentTarget = Target{}; }

void GetSurfaceSize(int& width, int& height) {
    const Surface* s = CurrentTarget.surface;
    width = s ? s->Width() : 0;
    height = s ? s->Height() : 0;
}

DrawingContext GetDrawingContext() { return DrawingContext{CurrentTarget.surface}; }

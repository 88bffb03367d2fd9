// Whether top-level windows can be see-through where their picture is: only
// then are shaped windows painted with smooth, blended edges; otherwise
// their key-colour region cuts them.
#pragma once

#include <optional>

// A compositing window system: Wayland always, X11 when a compositing
// manager runs. Other platforms (the offscreen one of the tests) give false.
bool WindowAlphaAvailable();

// Test seam: a set answer replaces the window system's; nullopt asks it again.
void ForceWindowAlpha(std::optional<bool> answer);

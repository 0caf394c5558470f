#pragma once

namespace velkora {

// Chromium switches the page view needs on this platform; call before the
// application object is made. As root Chromium refuses its sandbox, and
// without a GPU the software path is the reliable one.
void prepareWebEngine();

} // namespace velkora

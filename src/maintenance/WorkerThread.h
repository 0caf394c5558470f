#pragma once

#include <functional>

namespace velkora {

// Runs `work` on a thread of its own and returns when it is done. Meanwhile
// the calling thread goes on with its events (timers, painting) but keeps
// the learner's input (clicks, keys, closing a window) for later: a long
// copy neither freezes the window nor lets a second command start.
void runOnWorkerThread(const std::function<void()> &work);

} // namespace velkora

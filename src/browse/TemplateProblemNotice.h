#pragma once

#include "page/PagePresenter.h"

namespace velkora {

class Messages;

// Tells the learner, once per run and kind, when the page template cannot
// show question pages as it should.
class TemplateProblemNotice {
public:
    explicit TemplateProblemNotice(Messages &messages) : m_messages(messages) {}

    void tell(ShowResult result);

private:
    Messages &m_messages;
    bool m_missingTold = false;
    bool m_failedTold = false;
    bool m_damagedTold = false;
};

} // namespace velkora

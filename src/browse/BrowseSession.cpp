#include "browse/BrowseSession.h"

#include <algorithm>

namespace velkora {

void BrowseSession::takeNodeIds(const QList<RowId> &ids) {
    if (m_nodeIds.size() < ids.size())
        m_nodeIds.resize(ids.size());
    std::copy(ids.cbegin(), ids.cend(), m_nodeIds.begin());
}

BrowseSession::NodeKind BrowseSession::kindOfNode(int level, bool hasChildren) {
    if (hasChildren)
        return NodeKind::NotAChapter;
    if (level == 2)
        return NodeKind::SectionWithoutChapters;
    return level == 3 ? NodeKind::Chapter : NodeKind::NotAChapter;
}

std::optional<RowId> BrowseSession::commandQuestion(const QUrl &url, const QString &command) {
    const QString host = url.host();
    if (url.scheme() != QLatin1String("http") || !host.startsWith(command))
        return std::nullopt;
    bool numeric = false;
    const RowId id = host.mid(command.size()).toLongLong(&numeric);
    if (!numeric)
        return std::nullopt;
    return id;
}

BrowseSession::NavigationVerdict BrowseSession::judgeNavigation(const QUrl &url, bool armed) {
    if (!armed)
        return {};
    return {false, commandQuestion(url, QStringLiteral("ctfk")),
            commandQuestion(url, QStringLiteral("scbt"))};
}

BrowseSession::Activation BrowseSession::activate(int gradingButtonLeft) {
    if (gradingButtonLeft != m_layoutMark)
        return Activation::LayoutChanged;
    return Activation::ShowFirstChapter;
}

QString viewCaption(ViewMode mode) {
    switch (mode) {
    case ViewMode::Favourites:
        return captions::favourites;
    case ViewMode::WrongQuestions:
        return captions::wrongQuestions;
    case ViewMode::ChapterPractice:
        break;
    }
    return captions::chapterPractice;
}

} // namespace velkora

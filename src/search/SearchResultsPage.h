#pragma once

#include "browse/ChapterPage.h"
#include "search/BankSearch.h"

namespace velkora {

class BankQueries;

// Composes the page of a search: a line with the count, then the hits
// grouped under their chapter's path, in the markup of a chapter page, so
// numbering, answers, 收藏本题 and 错题反馈 work as they do there. A group's
// heading and case text come with the first of its hits; its questions that
// did not match are left out.
QStringList composeSearchPage(const BankQueries &queries, const SearchQuery &query,
                              const SearchResult &result, NumberingState &numbering,
                              const PictureLocator &pictures = {});

// What a booklet of a search is called: the words searched and the number
// of questions found, every one of which it holds.
QString searchBookletTitle(const SearchQuery &query, const SearchResult &result);

// A script that marks every occurrence of the query's terms in the page's
// text, ignoring letter case; markup of the bank's own is left whole.
QString highlightScript(const SearchQuery &query);

} // namespace velkora

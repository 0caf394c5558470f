#include "search/SearchResultsPage.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace velkora {

namespace {

QString quoted(const SearchQuery &query) {
    return QStringLiteral("“") + query.text().toHtmlEscaped() + QStringLiteral("”");
}

QString summary(const SearchQuery &query, const SearchResult &result) {
    QString text;
    if (result.total == 0) {
        text = QStringLiteral("没有找到含有") + quoted(query) + QStringLiteral("的试题。");
    } else {
        text = QStringLiteral("搜索") + quoted(query) + QStringLiteral("：共找到 ") +
               QString::number(result.total) + QStringLiteral(" 道试题");
        if (result.total > result.hits.size())
            text += QStringLiteral("，显示前 ") + QString::number(result.hits.size()) +
                    QStringLiteral(" 道");
        text += QStringLiteral("。");
    }
    return QStringLiteral("<div class=\"vk-search-summary\" data-vk-plain=\"1\" "
                          "style=\"margin:4px 0 12px;font-weight:bold;color:#1b5e6b\">") +
           text + QStringLiteral("</div>");
}

} // namespace

QStringList composeSearchPage(const BankQueries &queries, const SearchQuery &query,
                              const SearchResult &result, NumberingState &numbering,
                              const PictureLocator &pictures) {
    return QStringList{summary(query, result)} +
           composeQuestionList(queries, result.hits, numbering, pictures);
}

QString searchBookletTitle(const SearchQuery &query, const SearchResult &result) {
    return QStringLiteral("搜索结果 %1（共 %2 题）")
        .arg(query.text(), QString::number(result.total));
}

QString highlightScript(const SearchQuery &query) {
    const QString terms = QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(query.terms())).toJson(QJsonDocument::Compact));
    return QStringLiteral(R"((function (terms) {
  var wanted = terms.map(function (t) { return t.toLowerCase(); });
  var skip = {SCRIPT: 1, STYLE: 1, TEXTAREA: 1, OPTION: 1, SELECT: 1, MARK: 1};
  var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT, {
    acceptNode: function (node) {
      var parent = node.parentNode;
      if (skip[parent.nodeName] || parent.closest('[data-vk-plain]'))
        return NodeFilter.FILTER_REJECT;
      return NodeFilter.FILTER_ACCEPT;
    }
  });
  var nodes = [];
  while (walker.nextNode()) nodes.push(walker.currentNode);
  nodes.forEach(function (node) {
    for (;;) {
      var text = node.data.toLowerCase(), at = -1, length = 0;
      wanted.forEach(function (t) {
        var i = text.indexOf(t);
        if (i >= 0 && (at < 0 || i < at || (i === at && t.length > length))) {
          at = i;
          length = t.length;
        }
      });
      if (at < 0) return;
      var hit = node.splitText(at);
      node = hit.splitText(length);
      var mark = document.createElement('mark');
      mark.className = 'vk-hit';
      mark.style.background = '#ffe27a';
      hit.parentNode.replaceChild(mark, hit);
      mark.appendChild(hit);
    }
  });
})()") + terms +
           QStringLiteral(");");
}

} // namespace velkora

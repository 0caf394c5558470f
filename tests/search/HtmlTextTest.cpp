#include "search/HtmlText.h"

#include <gtest/gtest.h>

using velkora::html::visibleText;

TEST(HtmlText, ALessThanThatOpensNoTagIsText) {
    EXPECT_EQ(visibleText(u"收缩压<90mmHg，伴<b>休克</b>表现"), "收缩压<90mmHg，伴休克表现");
    EXPECT_EQ(visibleText(u"1 < 2，x<=y，<（甲）<"), "1 < 2，x<=y，<（甲）<");
    // A "<" before a letter opens a tag, which hides all when never closed.
    EXPECT_EQ(visibleText(u"甲<b乙"), "甲");
    EXPECT_EQ(visibleText(u"甲</"), "甲</");
}

TEST(HtmlText, TagsCommentsAndHiddenContentAreNoText) {
    EXPECT_EQ(visibleText(u"<font title=\"a>b\" color=red>甲</font><a b='>' c=d>乙</a>"), "甲乙");
    EXPECT_EQ(visibleText(u"<!-- 注释 -->甲<!---->乙<!-->丙<!--->丁<!-- x --!>戊<!-- 未完"),
              "甲乙丙丁戊");
    EXPECT_EQ(visibleText(u"<script>var s = '<b>甲</b>';</script >乙<STYLE>p{}</style>丙"
                          u"<title>丁</title>"),
              "乙丙");
    EXPECT_EQ(visibleText(u"<!DOCTYPE html><?xml x?>甲</>乙</ 3>丙<textarea>&lt;丁</textarea>"
                          u"<xmp>&lt;戊</xmp>"),
              "甲乙丙<丁&lt;戊");
}

TEST(HtmlText, CharacterReferencesAreDecodedAsThePageDecodesThem) {
    EXPECT_EQ(visibleText(u"体温&ge;38℃，3&times;4，37&deg;C"), "体温≥38℃，3×4，37°C");
    EXPECT_EQ(visibleText(u"&lt;&gt;&amp;lt;&quot;&nbsp;&nbsp&nbspc"),
              "<>&lt;\"\u00A0\u00A0\u00A0c");
    EXPECT_EQ(visibleText(u"&#8805;&#x2265&#X2265;&#150;&#0;&#xD800;&#1114112;"),
              "≥≥≥–\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(visibleText(u"AT&T &foo; &notit; &# &#x; & &NotEqualTilde;"),
              "AT&T &foo; ¬it; &# &#x; & \u2242\u0338");
}

TEST(HtmlText, ElementsThatStartALineKeepWordsApart) {
    EXPECT_EQ(visibleText(u"矽<b>肺</b>的<font color=red>诊断</font>"), "矽肺的诊断");
    EXPECT_EQ(visibleText(u"甲<br>乙<P class=x>丙</p>丁<td>戊"), "甲\n乙\n丙\n丁\n戊");
}

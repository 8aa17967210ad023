#include "support/testmain.h"

#include "platform/xmldocument.h"
#include "shared/leftoutstrings.h"

using namespace ts;

// The beginning of a string left out, as the notice quotes it: whole up to its 30th character (the character
// after its end is never read), cut there otherwise, never inside a character.
TEST(LeftOutStrings, TheNoticeQuotesTheBeginningOfEachStringLeftOut)
{
    // Twenty strings left out are quoted all; of more, the first twenty and how many there are.
    const auto strings = [](int count) {
        QStringList texts;
        for (int i = 1; i <= count; ++i)
            texts << QStringLiteral("s%1").arg(i);
        return texts;
    };
    const auto quotes = [&](int count) {
        QStringList quoted;
        for (const QString &text : strings(std::min(count, 20)))
            quoted << u'"' + text + u'"';
        return quoted.join(QStringLiteral(", ")) + (count > 20 ? QStringLiteral(", \u2026 (%1 in all)").arg(count) : "");
    };
    const struct {
        QStringList further;
        QString quoted;
    } rows[] = {
        {{QStringLiteral("abcdefghij klmnopqrst uvwxyz12")}, QStringLiteral("\"abcdefghij klmnopqrst uvwxyz12\"")},
        {{QString::fromUtf16(u"abcdefghijklmnopqrstuvwxyzabc\U0001F600")},
         QString::fromUtf16(u"\"abcdefghijklmnopqrstuvwxyzabc\u2026\"")},
        {strings(20), quotes(20)},
        {strings(21), quotes(21)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.further.join(u' ').toStdString());
        QString xml = QStringLiteral("<title><string language='en'>first</string>");
        for (const QString &text : row.further)
            xml += QStringLiteral("<string language='en'>") + text + QStringLiteral("</string>");
        XmlDocument doc;
        ASSERT_TRUE(doc.loadXML(xml + QStringLiteral("</title>")));
        auto textOf = [](const XmlNode &node) { return node.text(); };
        Notices notices;
        {
            LeftOutStrings open(notices);
            EXPECT_EQ(LeftOutStrings::firstString(QStringLiteral("<general> title"), doc.documentElement().elements(),
                                                  QStringLiteral("language"), textOf),
                      QStringLiteral("first"));
        }
        ASSERT_EQ(notices.size(), 1);
        EXPECT_EQ(notices.at(0).text, QStringLiteral("Only the first string of each field was read. Strings left out of "
                                                     "your imported file: <general> title (en, as the first string): ") +
                                          row.quoted);
    }
}

#include "support/testmain.h"

#include "platform/xmldocument.h"
#include "shared/leftoutstrings.h"

using namespace ts;

// The beginning of a string left out, as the notice quotes it: whole up to its 30th character (the character
// after its end is never read), cut there otherwise, never inside a character.
TEST(LeftOutStrings, TheNoticeQuotesTheBeginningOfEachStringLeftOut)
{
    const struct {
        const char16_t *second, *quoted;
    } rows[] = {
        {u"abcdefghij klmnopqrst uvwxyz12", u"\"abcdefghij klmnopqrst uvwxyz12\""},
        {u"abcdefghijklmnopqrstuvwxyzabc\U0001F600", u"\"abcdefghijklmnopqrstuvwxyzabc\u2026\""},
    };
    for (const auto &row : rows) {
        const QString second = QString::fromUtf16(row.second);
        SCOPED_TRACE(second.toStdString());
        XmlDocument doc;
        ASSERT_TRUE(doc.loadXML(QStringLiteral("<title><string language='en'>first</string><string language='en'>") +
                                second + QStringLiteral("</string></title>")));
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
                                          QString::fromUtf16(row.quoted));
    }
}

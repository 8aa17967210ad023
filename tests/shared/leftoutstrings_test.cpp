#include "support/testmain.h"

#include "platform/xmldocument.h"
#include "shared/leftoutstrings.h"

using namespace ts;

// The beginning of a string left out, as the notice quotes it: whole up to its 30th character (the character
// after its end is never read), cut there otherwise, never inside a character; beginning as the first string
// does, up to the end of the word in which they differ; agreeing with it over 100 characters, the part where
// they differ.
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
    // Texts alike for exactly 30 characters, the last two of a word that goes on differently.
    const QString thirty = QStringLiteral("The learners will each make bu");
    const QString tail = QStringLiteral("Lengua primer ciclo de Primaria. REA Andalucia.");
    const QString longTail = tail + QStringLiteral(" Con lecturas, dictados y juegos de palabras para cada unidad.");
    const QString address = QStringLiteral("http://example.org/recursos/").repeated(4);
    const struct {
        QStringList further;
        QString quoted;
        QString first = QStringLiteral("first");
    } rows[] = {
        {{QStringLiteral("abcdefghij klmnopqrst uvwxyz12")}, QStringLiteral("\"abcdefghij klmnopqrst uvwxyz12\"")},
        {{QString::fromUtf16(u"abcdefghijklmnopqrstuvwxyzabc\U0001F600")},
         QString::fromUtf16(u"\"abcdefghijklmnopqrstuvwxyzabc\u2026\"")},
        {strings(20), quotes(20)},
        {strings(21), quotes(21)},
        {{thirty + QStringLiteral("ndles of cards"), thirty + QStringLiteral("ttons for the class")},
         QStringLiteral("\"The learners will each make bundles\u2026\", \"The learners will each make buttons\u2026\""),
         thirty + QStringLiteral("siness cards")},
        // Alike for 99 characters, the quote of 100 shows where they differ; alike for 100, it cannot.
        {{QStringLiteral("Tema ").repeated(19) + QStringLiteral("uno ") + tail},
         QStringLiteral("\"") + QStringLiteral("Tema ").repeated(19) + QStringLiteral("uno L\u2026\""),
         QStringLiteral("Tema ").repeated(19) + QStringLiteral("uno Matematicas")},
        {{QStringLiteral("Tema ").repeated(20) + tail}, QStringLiteral("\"\u2026 ") + tail + QStringLiteral("\""),
         QStringLiteral("Tema ").repeated(20) + QStringLiteral("Matematicas")},
        // Alike for 120 characters: the part where they differ, within 100 characters.
        {{QStringLiteral("Tema ").repeated(24) + longTail},
         QStringLiteral("\"\u2026 Lengua primer ciclo de Primaria. REA Andalucia. Con lecturas, dictados y juegos de "
                        "palabras para c\u2026\""),
         QStringLiteral("Tema ").repeated(24) + QStringLiteral("Matematicas")},
        // In a word of more than 30 characters, the part begins 30 characters before the difference.
        {{address + QStringLiteral("lengua.html")}, QStringLiteral("\"\u2026 ") + address.mid(82) +
                                                        QStringLiteral("lengua.html\""),
         address + QStringLiteral("matematicas.html")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.further.join(u' ').toStdString());
        QString xml = QStringLiteral("<title><string language='en'>") + row.first + QStringLiteral("</string>");
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
                      row.first);
        }
        ASSERT_EQ(notices.size(), 1);
        EXPECT_EQ(notices.at(0).text, QStringLiteral("Only the first string of each field was read. Strings left out of "
                                                     "your imported file: <general> title (en, as the first string): ") +
                                          row.quoted);
    }
}

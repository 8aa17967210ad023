#include "support/testmain.h"

#include "shared/textutil.h"

using namespace ts;

TEST(EscapeXML, Table)
{
    const struct {
        const char16_t *in;
        const char16_t *out;
    } rows[] = {
        {u"", u""},
        {u"plain text", u"plain text"},
        {u"a & b < c > d", u"a &amp; b &lt; c &gt; d"},
        {u"\"quoted\" and 'apostrophes'", u"\"quoted\" and 'apostrophes'"},
        {u"&lt;", u"&amp;lt;"},
        {u"line1\r\nline2", u"line1\r\nline2"},
        {u"<<>>&&", u"&lt;&lt;&gt;&gt;&amp;&amp;"},
        {u"caf\u00e9 \u65e5\u672c", u"caf\u00e9 \u65e5\u672c"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(escapeXML(QString::fromUtf16(r.in)), QString::fromUtf16(r.out))
            << QString::fromUtf16(r.in).toStdString();
}

TEST(EscapeXML, NoLengthLimit)
{
    const QString in = QString(40000, QLatin1Char('a')) + QStringLiteral("<&>");
    const QString out = escapeXML(in);
    EXPECT_EQ(out.size(), 40000 + 13);
    EXPECT_TRUE(out.endsWith(QStringLiteral("&lt;&amp;&gt;")));
}

TEST(EscapeXML, AttributeAlsoEscapesQuote)
{
    EXPECT_EQ(escapeXMLAttribute(QStringLiteral("a\"b<")), QStringLiteral("a&quot;b&lt;"));
}

TEST(GetVCardName, Table)
{
    const struct {
        const char16_t *vcard;
        const char16_t *name;
    } rows[] = {
        // The writers' own layout: each property on its line, the next line indented.
        {u"\n            begin:vcard\n            fn: John McDonald\n            end:vcard\n         ", u"John McDonald"},
        {u"begin:vcard\nfn:Mary Smith\nend:vcard", u"Mary Smith"},
        {u"BEGIN:VCARD\r\nFN:Mary Smith\r\nEMAIL:mary@example.org\r\nEND:VCARD", u"Mary Smith"},
        {u"begin:vcard\norg: ACME Learning\nend:vcard", u"ACME Learning"},
        {u"BEGIN:VCARD\nORG:Upper Org\nEND:VCARD", u"Upper Org"},
        // FN wins over ORG, whatever their order.
        {u"begin:vcard\norg:The Org\nfn:The Person\nend:vcard", u"The Person"},
        // No END: the name is still the value of its line.
        {u"begin:vcard\nfn: Kept Name\n", u"Kept Name"},
        // A one-line vCard.
        {u"BEGIN:vCard ORG: END:vCard", u""},
        {u"BEGIN:vCard FN:One Line END:vCard", u"One Line"},
        {u"BEGIN:vCard FN:One Line END: vCard", u"One Line"},
        // An END: marker in capitals on the name's line ends the name there.
        {u"BEGIN:VCARD\nFN:Ana Ortiz END:VCARD", u"Ana Ortiz"},
        // On one line the value ends where the next property begins.
        {u"BEGIN:VCARD VERSION:3.0 FN: EMAIL;TYPE=INTERNET: ORG: END:VCARD", u""},
        {u"BEGIN:VCARD VERSION:3.0 FN:Ann Lee EMAIL;TYPE=INTERNET:ann@example.org END:VCARD", u"Ann Lee"},
        // "end:" inside a name is no marker.
        {u"begin:vcard\nfn:Friend: Consulting\nend:vcard", u"Friend: Consulting"},
        {u"BEGIN:vCard ORG:Weekend:Trips END:vCard", u"Weekend:Trips"},
        // Text the parser unescaped stays as it is.
        {u"begin:vcard\nfn:Smith & Sons <Ltd>\nend:vcard", u"Smith & Sons <Ltd>"},
        // No name property: the first line that is no marker.
        {u"BEGIN:vCard\nFisher;Sue\nEND:vCard", u"Fisher;Sue"},
        {u"", u""},
        {u"begin:vcard\nend:vcard", u""},
        // Lines ended by a carriage return alone; a key in mixed case; tabs around the name.
        {u"BEGIN:VCARD\rFN:Carriage Return\rEND:VCARD", u"Carriage Return"},
        {u"begin:vcard\nFn:\tMixed Case\t\nend:vcard", u"Mixed Case"},
        // A longer key ending in "fn:" is no name property.
        {u"begin:vcard\nX-FN:Not This\nORG:But This\nend:vcard", u"But This"},
        // The other lines of the vCard are no part of the name.
        {u"BEGIN:VCARD\nVERSION:2.1\nFN:Firstname Lastname\nTEL;WORK;VOICE:(000) 000-0000\nEND:VCARD",
         u"Firstname Lastname"},
        // A folded name is whole: before version 3.0 the blanks of the fold stand for one, from it on the fold's
        // one blank or tab is taken out; lines indented in the XML fold where they are indented further.
        {u"BEGIN:VCARD\r\nFN:Ann\r\n Author\r\nEND:VCARD", u"Ann Author"},
        {u"BEGIN:VCARD\nVERSION:2.1\nFN:Ann\n\t  Author\nEND:VCARD", u"Ann Author"},
        {u"BEGIN:VCARD\rVERSION:3.0\rFN:Ann Au\r thor\r  Smith\rEND:VCARD", u"Ann Author Smith"},
        {u"BEGIN:VCARD\nVERSION:4.0\nFN:Ann\n\t Author\nEND:VCARD", u"Ann Author"},
        {u"\n   BEGIN:VCARD\n   VERSION:3.0\n   FN:Ann Au\n    thor\n   END:VCARD\n", u"Ann Author"},
        {u"BEGIN:VCARD\n      FN:Ann\n       Author\n      END:VCARD", u"Ann Author"},
        // Indented like the properties, or beginning with one, a line continues none.
        {u"BEGIN:VCARD\n  FN:Ann\n  Author\n  END:VCARD", u"Ann"},
        {u"BEGIN:VCARD\nFN:Ann\n EMAIL:ann@example.org\nEND:VCARD", u"Ann"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(getVCardName(QString::fromUtf16(r.vcard)), QString::fromUtf16(r.name))
            << QString::fromUtf16(r.vcard).toStdString();
}

// The lines of a vCard beside its name, as the check of an opened file names them.
TEST(GetVCardDetails, Table)
{
    const struct {
        const char16_t *vcard;
        QStringList details;
    } rows[] = {
        {u"\n   begin:vcard\n   fn: Ann\n   end:vcard\n", {}},
        {u"BEGIN:VCARD\nVERSION:3.0\nFN:Ana Ortiz\nN:Ortiz;Ana\nORG:Cellworks\nEMAIL;INTERNET:ana@x.org\nEND:VCARD",
         {"ORG:Cellworks", "EMAIL;INTERNET:ana@x.org"}},
        // Lines that hold nothing after their colon.
        {u"BEGIN:VCARD\nFN:Ann\nORG:\nTEL: \nEND:VCARD", {}},
        // Without an FN: the name is the ORG, and N is a line of its own.
        {u"BEGIN:VCARD\nN:Lee;Ann\nORG:ACME\nEND:VCARD", {"N:Lee;Ann"}},
        // Without either: the first line that is no marker is the name.
        {u"BEGIN:vCard\rFisher;Sue\rNOTE:x\rEND:vCard", {"NOTE:x"}},
        {u"BEGIN:VCARD VERSION:3.0 FN:Ann Lee EMAIL;TYPE=INTERNET:ann@example.org END:VCARD",
         {"EMAIL;TYPE=INTERNET:ann@example.org"}},
        // A line that is no property goes on from the one before.
        {u"BEGIN:VCARD\nFN:Ann\nADR:;;1 Main Street\n  Springfield\nEND:VCARD", {"ADR:;;1 Main Street Springfield"}},
        {u"BEGIN:VCARD\nFN:Ana Ortiz END:VCARD", {}},
        {u"BEGIN:VCARD\nFN:Ann\nFN:Annie\nEND:VCARD", {"FN:Annie"}},
        // Folded lines: the name and N beside it are left out whole, the others are named whole; a value that
        // stands on the next line is named with its text, a colon in it too.
        {u"BEGIN:VCARD\nFN:Ann\n Author\nN:Author;\n Ann\nEMAIL:ann@\n example.org\nNOTE:\n Room: 4B\nEND:VCARD",
         {"EMAIL:ann@ example.org", "NOTE: Room: 4B"}},
        {u"BEGIN:VCARD\nVERSION:3.0\nFN:Ann\n  Author\nEMAIL:ann@\n example.org\nNOTE:\n Room: 4B\nEND:VCARD",
         {"EMAIL:ann@example.org", "NOTE:Room: 4B"}},
        {u"\n      BEGIN:VCARD\n      ORG:ACME\n      N:Lee;\n        Ann\n      URL:http://a.example/\n       b\n      "
         u"END:VCARD\n   ",
         {"N:Lee; Ann", "URL:http://a.example/ b"}},
    };
    for (const auto &r : rows)
        EXPECT_EQ(getVCardDetails(QString::fromUtf16(r.vcard)), r.details) << QString::fromUtf16(r.vcard).toStdString();
}

TEST(GetVCardName, LongNameHasNoLimit)
{
    const QString name = QString(40000, QLatin1Char('n'));
    EXPECT_EQ(getVCardName(QStringLiteral("begin:vcard\nfn:") + name + QStringLiteral("\nend:vcard")), name);
}

TEST(WithoutNonXmlChars, KeepsWhatXmlHoldsAndDropsTheRest)
{
    // Code unit by code unit (no byte-order mark is honoured), so that lone surrogates can be written.
    const char16_t in[] = u"\t\r\n\x7F\x85\xFFFD \xD83D\xDE00|\x0B\x01\x1F\x00\xFFFE\xFFFF\xDE00\xD800!";
    const char16_t out[] = u"\t\r\n\x7F\x85\xFFFD \xD83D\xDE00|!";
    EXPECT_EQ(withoutNonXmlChars(QString(reinterpret_cast<const QChar *>(in), std::size(in) - 1)),
              QString(reinterpret_cast<const QChar *>(out), std::size(out) - 1));
}

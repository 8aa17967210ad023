#include "support/testmain.h"

#include "fixtures2004.h"
#include "reader2004_support.h"

#include "model2004/build2004.h"
#include "model2004/reader2004.h"
#include "platform/xmldocument.h"
#include "shared/textutil.h"

#include <QStringList>

using namespace ts;
using namespace ts::test;

namespace {

// The texts of the document's elements that hold no element, as the parser gives them back; a vCard gives
// its name.
void collectTexts(const XmlNode &node, QStringList &texts)
{
    const QList<XmlNode> children = node.elements();
    if (node.localName() == QLatin1String("entity"))
        texts << getVCardName(node.text());
    else if (children.isEmpty())
        texts << node.text();
    for (const XmlNode &child : children)
        collectTexts(child, texts);
}

} // namespace

class Escaping2004 : public Writer2004Test {};

TEST_F(Escaping2004, MarkupAndNonAsciiInEveryFieldReadBackUnchanged)
{
    Record2004 r = hostileRecord2004();
    // A character XML cannot hold is left out, and the field that held it is named.
    r.titleText += QChar(0x01);
    ASSERT_TRUE(buildClassificationXML2004(QStringLiteral("ü1"), r, context2004(false)));
    for (const Writer2004 writer : {Writer2004::Aggregation, Writer2004::SCO, Writer2004::Asset}) {
        SCOPED_TRACE(writerProcedure2004(writer).toStdString());
        dialogs.clear();
        const WriteResult result = run(writer, r, false);
        ASSERT_TRUE(result.done());
        EXPECT_EQ(dialogs.messages(),
                  QStringList{"Characters that XML cannot hold were left out of the document. These fields held "
                              "them:\rGENERAL: Title"});
        if (!sharedDir().isEmpty()) {
            EXPECT_TRUE(validLom(QStringLiteral("lomLoose.xsd"), result.text));
        }

        XmlDocument doc;
        ASSERT_TRUE(doc.loadXML(result.text)) << doc.parseError().reason.toStdString();
        QStringList texts;
        collectTexts(doc.documentElement(), texts);
        for (int n = 0; n < 26; ++n)
            EXPECT_TRUE(texts.contains(hostileText2004("t") + QString::number(n))) << n;
        for (const char *field : {"k1", "k2", "format", "location", "person", "role", "meta", "metarole",
                                  "annotator", "ck", "taxid", "taxentry"})
            EXPECT_TRUE(texts.contains(hostileText2004(field))) << field;

        // Opened again, the document gives back the record as written, less the character left out, and
        // its classification gives back the classification fields; only the status is no recommended one.
        writeFile(QStringLiteral("hostile.xml"), result.text.toUtf8());
        const ImportResult2004 back = importMetadataFile2004(path(QStringLiteral("hostile.xml")), {});
        EXPECT_TRUE(back.ok);
        EXPECT_EQ(back.notices, Notices{info("Lifecycle status is not one of the recommended type:  Draft, Final, "
                                             "Revised or Unavailable.")});
        EXPECT_EQ(changedFields(back.record, asReadBack2004(hostileRecord2004(), writer, false)), QStringList());
        const Record2004 c = classificationOf2004(readFile(QStringLiteral("temp/1.xml")));
        EXPECT_EQ(QStringList({c.classificationCombo, c.classificationText, c.classificationKeywordsText,
                               c.txtTaxonSource}) + c.lstTaxon,
                  QStringList({r.classificationCombo, r.classificationText, r.classificationKeywordsText,
                               r.txtTaxonSource}) + r.lstTaxon);
    }
}

#include "reader12.h"

#include "readerwalk.h"

namespace ts {

using reader12::Category;
using reader12::NodeReader;
using reader12::readText;

bool parseGeneral(const QString &xmlText, Record12 &record, Notices &notices)
{
    return readText(xmlText, Category::General, static_cast<NodeReader>(&parseGeneral), record, notices);
}

bool parseLifecycle(const QString &xmlText, Record12 &record, Notices &notices)
{
    return readText(xmlText, Category::Lifecycle, static_cast<NodeReader>(&parseLifecycle), record, notices);
}

bool parseMetametadata(const QString &xmlText, Record12 &record, Notices &notices)
{
    return readText(xmlText, Category::Metametadata, static_cast<NodeReader>(&parseMetametadata), record, notices);
}

bool parseTechnical(const QString &xmlText, Record12 &record, Notices &notices)
{
    return readText(xmlText, Category::Technical, static_cast<NodeReader>(&parseTechnical), record, notices);
}

bool parseEducational(const QString &xmlText, Record12 &record, Notices &notices)
{
    return readText(xmlText, Category::Educational, static_cast<NodeReader>(&parseEducational), record, notices);
}

bool parseRights(const QString &xmlText, Record12 &record, Notices &notices)
{
    return readText(xmlText, Category::Rights, static_cast<NodeReader>(&parseRights), record, notices);
}

bool parseRelation(const QString &xmlText, Record12 &record, Notices &notices)
{
    return readText(xmlText, Category::Relation, static_cast<NodeReader>(&parseRelation), record, notices);
}

bool parseAnnotation(const QString &xmlText, Record12 &record, Notices &notices)
{
    return readText(xmlText, Category::Annotation, static_cast<NodeReader>(&parseAnnotation), record, notices);
}

bool parseClassification(const QString &xmlText, Record12 &record, Notices &notices)
{
    // A fragment read back shows its classification in the entry fields: what they do not hold is named.
    ReadCheck check;
    return readText(xmlText, Category::Classification, static_cast<NodeReader>(&parseClassification), record,
                    notices, [&](const XmlNode &root) {
                        check.report({root}, heldTexts12(record), checkTables12(), notices);
                    });
}

} // namespace ts

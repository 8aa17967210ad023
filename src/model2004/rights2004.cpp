// The <rights>, <relation> and <annotation> categories. The three writers write them alike.

#include "run2004.h"
#include "vocab2004.h"

#include "platform/dialogs.h"
#include "shared/textutil.h"

namespace ts {

namespace {
const QString kMissingInformation = QStringLiteral("Missing Information");
constexpr int kRelationTab = 6;
} // namespace

void writeRights2004(Run2004 &run)
{
    const Record2004 &r = run.r;

    run.line(1, QStringLiteral("<rights>"));
    run.vocabularyElement(2, 2, QStringLiteral("cost"), 3, r.feesYes ? QStringLiteral("yes") : QStringLiteral("no"));
    run.vocabularyElement(2, 2, QStringLiteral("copyrightAndOtherRestrictions"), 3,
                          r.copyrightYes ? QStringLiteral("yes") : QStringLiteral("no"));
    if (!r.usageConditionsText.isEmpty()) {
        run.line(2, QStringLiteral("<description>"));
        run.string(3, r.usageConditionsText);
        run.line(2, QStringLiteral("</description>"));
    }
    run.line(1, QStringLiteral("</rights>"));
    run.empty();
}

bool writeRelation2004(Run2004 &run)
{
    const Record2004 &r = run.r;
    if (!run.optional || r.relationshipCombo.isEmpty())
        return true;

    run.line(1, QStringLiteral("<relation>"));
    const QString kind = relationKind2004(r.relationshipCombo);
    if (kind.isEmpty()) {
        msgBox(QStringLiteral("You must select a Relationship from the dropdown menu"), Buttons::Ok, Icon::Exclamation,
               kMissingInformation);
        run.focus = {QStringLiteral("relationshipCombo"), kRelationTab, true, false};
        return false;
    }
    run.vocabularyElement(2, 2, QStringLiteral("kind"), 4, kind);
    // The related resource has no identifier of its own: it repeats the record's general identifier.
    run.line(2, QStringLiteral("<resource>"));
    run.identifier();
    if (r.otherResourceText.isEmpty()) {
        msgBox(QStringLiteral("Description of this relationship must be included"), Buttons::Ok, Icon::Exclamation,
               kMissingInformation);
        run.focus = {QStringLiteral("otherResourceText"), kRelationTab, false, false};
        return false;
    }
    run.line(3, QStringLiteral("<description>"));
    run.string(4, r.otherResourceText);
    run.line(3, QStringLiteral("</description>"));
    run.line(2, QStringLiteral("</resource>"));
    run.line(1, QStringLiteral("</relation>"));
    run.empty();
    return true;
}

void writeAnnotation2004(Run2004 &run)
{
    const Record2004 &r = run.r;
    if (!run.optional || r.authorText.isEmpty())
        return;

    run.line(1, QStringLiteral("<annotation>"));
    run.text += buildEntityXML2004(r.authorText);
    run.line(2, QStringLiteral("<date>"));
    run.line(3, QStringLiteral("<dateTime>") + run.constants.xmlDate + QStringLiteral("</dateTime>"));
    run.line(2, QStringLiteral("<description>"));
    run.string(3, QStringLiteral("Date and time annotation was created"));
    run.line(2, QStringLiteral("</description>"));
    run.line(2, QStringLiteral("</date>"));
    run.line(2, QStringLiteral("<description>"));
    run.string(3, r.annotationText);
    run.line(2, QStringLiteral("</description>"));
    run.line(1, QStringLiteral("</annotation>"));
    run.empty();
}

} // namespace ts

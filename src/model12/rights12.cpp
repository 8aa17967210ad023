// The <rights>, <relation> and <annotation> categories.

#include "run12.h"
#include "vocab12.h"

#include "platform/dialogs.h"
#include "shared/textutil.h"

namespace ts {

namespace {
const QString kMissingInformation = QStringLiteral("Missing Information");
constexpr int kRelationTab = 6;
} // namespace

void writeRights12(Run12 &run)
{
    const Record12 &r = run.r;

    run.line(1, QStringLiteral("<rights>"));
    run.line(2, QStringLiteral("<cost>"));
    run.vocabulary(4, 5, 5, r.feesYes ? QStringLiteral("yes") : QStringLiteral("no"));
    run.line(2, QStringLiteral("</cost>"));
    run.line(2, QStringLiteral("<copyrightandotherrestrictions>"));
    run.vocabulary(4, 5, 5, r.copyrightYes ? QStringLiteral("yes") : QStringLiteral("no"));
    run.line(2, QStringLiteral("</copyrightandotherrestrictions>"));
    if (!r.usageConditionsText.isEmpty()) {
        run.line(2, QStringLiteral("<description>"));
        run.langString(3, r.usageConditionsText);
        run.line(2, QStringLiteral("</description>"));
    }
    run.line(1, QStringLiteral("</rights>"));
    // The SCO writer goes on directly on the next line.
    if (run.writer != Writer12::SCO)
        run.empty();
}

bool writeRelation12(Run12 &run)
{
    const Record12 &r = run.r;
    if (run.ctx.optionalOnly || r.relationshipCombo.isEmpty())
        return true;

    run.line(1, QStringLiteral("<relation>"));
    const QString kind = relationKind12(r.relationshipCombo);
    if (kind.isEmpty()) {
        msgBox(QStringLiteral("You must select a Relationship from the dropdown menu"), Buttons::Ok, Icon::Exclamation,
               kMissingInformation);
        run.focus = {QStringLiteral("relationshipCombo"), kRelationTab, true, false};
        return false;
    }
    run.line(2, QStringLiteral("<kind>"));
    run.vocabulary(4, 5, 5, kind);
    run.line(2, QStringLiteral("</kind>"));
    run.line(2, QStringLiteral("<resource>"));
    if (r.otherResourceText.isEmpty()) {
        msgBox(QStringLiteral("Description of this relationship must be included"), Buttons::Ok, Icon::Exclamation,
               kMissingInformation);
        run.focus = {QStringLiteral("otherResourceText"), kRelationTab, false, false};
        return false;
    }
    run.line(3, QStringLiteral("<description>"));
    run.langString(4, r.otherResourceText);
    run.line(3, QStringLiteral("</description>"));
    run.line(2, QStringLiteral("</resource>"));
    run.line(1, QStringLiteral("</relation>"));
    run.empty();
    return true;
}

void writeAnnotation12(Run12 &run)
{
    const Record12 &r = run.r;
    if (run.ctx.optionalOnly || r.authorText.isEmpty())
        return;

    run.line(1, QStringLiteral("<annotation>"));
    run.line(2, QStringLiteral("<person>"));
    run.line(3, QStringLiteral("<vcard>"));
    run.line(4, QStringLiteral("begin:vcard"));
    run.line(4, QStringLiteral("fn: ") + escapeXML(trimBlanks(r.authorText)));
    run.line(4, QStringLiteral("end:vcard"));
    run.line(3, QStringLiteral("</vcard>"));
    run.line(2, QStringLiteral("</person>"));
    run.line(2, QStringLiteral("<date>"));
    run.element(3, QStringLiteral("datetime"), run.today);
    run.line(2, QStringLiteral("</date>"));
    run.line(2, QStringLiteral("<description>"));
    run.langString(3, r.annotationText);
    run.line(2, QStringLiteral("</description>"));
    run.line(1, QStringLiteral("</annotation>"));
    run.empty();
}

} // namespace ts

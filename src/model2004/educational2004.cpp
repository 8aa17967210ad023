// The <educational> category, written only with the optional elements. Every element in it is optional;
// a category left without elements is cut out again.

#include "duration2004.h"
#include "run2004.h"
#include "vocab2004.h"

#include "platform/dialogs.h"

#include <algorithm>

namespace ts {

namespace {

// A vocabulary element of a drop-down list, written only when the list holds a text.
void writeChoice(Run2004 &run, int openLevel, int closeLevel, const QString &tag, const QString &value)
{
    if (!value.isEmpty())
        run.vocabularyElement(openLevel, closeLevel, tag, 4, value);
}

} // namespace

void writeEducational2004(Run2004 &run)
{
    if (!run.optional)
        return;
    const Record2004 &r = run.r;

    run.line(1, QStringLiteral("<educational>"));
    writeChoice(run, 2, 2, QStringLiteral("interactivityType"), r.interactivityTypeCombo);
    // The SCO and asset writers write lecture before graph, which it follows in the table.
    std::array<CheckValue2004, 15> resourceTypes = kResourceTypeChecks2004;
    if (run.writer != Writer2004::Aggregation) {
        const auto graph = std::ranges::find(resourceTypes, &Record2004::graphCheck, &CheckValue2004::check);
        std::iter_swap(graph, graph + 1);
    }
    for (const CheckValue2004 &box : resourceTypes)
        if (r.*box.check)
            run.vocabularyElement(2, 2, QStringLiteral("learningResourceType"), 4, QLatin1String(box.value));
    writeChoice(run, 2, 2, QStringLiteral("interactivityLevel"), r.interactivityLevelCombo);
    writeChoice(run, 4, 4, QStringLiteral("semanticDensity"), r.cboSemanticDensity);
    // The intended end user's source stands one unit deeper than its value.
    if (!r.endUserCombo.isEmpty()) {
        run.line(2, QStringLiteral("<intendedEndUserRole>"));
        run.vocabulary(5, 4, r.endUserCombo);
        run.line(2, QStringLiteral("</intendedEndUserRole>"));
    }
    writeChoice(run, 4, 4, QStringLiteral("context"), r.cboContext);
    if (!r.txtTypicalAgeRange.isEmpty()) {
        run.line(4, QStringLiteral("<typicalAgeRange>"));
        run.string(5, r.txtTypicalAgeRange);
        run.line(4, QStringLiteral("</typicalAgeRange>"));
    }
    writeChoice(run, 5, 4, QStringLiteral("difficulty"), r.cboEduDifficulty);
    // A typical learning time whose parts are not whole numbers is left out, as a size that is no number is.
    if (!r.txtTypicalTime.isEmpty() && !isPlainDuration(r.txtTypicalTime)) {
        msgBox(QStringLiteral("Length / Time must be whole numbers"), Buttons::Ok, Icon::Exclamation,
               QStringLiteral("Invalid Entry"));
    } else if (!r.txtTypicalTime.isEmpty()) {
        run.line(5, QStringLiteral("<typicalLearningTime>"));
        run.element(5, QStringLiteral("duration"), r.txtTypicalTime);
        run.line(4, QStringLiteral("<description>"));
        run.string(5, QLatin1String(kLearningTimeDescription2004));
        run.line(4, QStringLiteral("</description>"));
        run.line(5, QStringLiteral("</typicalLearningTime>"));
    }
    if (!r.usageDescription.isEmpty()) {
        run.line(2, QStringLiteral("<description>"));
        run.string(3, r.usageDescription);
        run.line(2, QStringLiteral("</description>"));
        run.element(2, QStringLiteral("language"), run.ctx.languageCode);
    }
    run.line(1, QStringLiteral("</educational>"));
    run.empty();

    // Its indentation and the empty line stay where an empty category was cut out.
    run.text.remove(QStringLiteral("<educational>\r\n   </educational>"));
}

} // namespace ts

// The <educational> category, written only with the optional elements. Every element in it is
// optional; a category left without elements is cut out again.

#include "run12.h"
#include "vocab12.h"

namespace ts {

namespace {

// A vocabulary element: its tags at their own levels, the pair below at 4 and its texts at 5.
void writeVocabularyElement(Run12 &run, int openLevel, int closeLevel, const QString &tag, const QString &value)
{
    if (value.isEmpty())
        return;
    run.line(openLevel, QLatin1Char('<') + tag + QLatin1Char('>'));
    run.vocabulary(4, 5, 5, value);
    run.line(closeLevel, QStringLiteral("</") + tag + QLatin1Char('>'));
}

} // namespace

void writeEducational12(Run12 &run)
{
    if (run.ctx.optionalOnly)
        return;
    const Record12 &r = run.r;

    run.line(1, QStringLiteral("<educational>"));
    writeVocabularyElement(run, 2, 2, QStringLiteral("interactivitytype"), r.interactivityTypeCombo);
    for (const CheckValue12 &box : kResourceTypeChecks12)
        if (r.*box.check)
            writeVocabularyElement(run, 2, 2, QStringLiteral("learningresourcetype"), QLatin1String(box.value));
    writeVocabularyElement(run, 2, 2, QStringLiteral("interactivitylevel"), r.interactivityLevelCombo);
    writeVocabularyElement(run, 4, 4, QStringLiteral("semanticdensity"), r.cboSemanticDensity);
    writeVocabularyElement(run, 2, 2, QStringLiteral("intendedenduserrole"), r.endUserCombo);
    writeVocabularyElement(run, 4, 4, QStringLiteral("context"), r.cboContext);
    if (!r.txtTypicalAgeRange.isEmpty()) {
        run.line(4, QStringLiteral("<typicalagerange>"));
        run.langString(5, r.txtTypicalAgeRange);
        run.line(4, QStringLiteral("</typicalagerange>"));
    }
    writeVocabularyElement(run, 5, 4, QStringLiteral("difficulty"), r.cboEduDifficulty);

    const QString learningTime = r.cboHour + QLatin1Char(':') + r.cboMin + QLatin1Char(':') + r.cboSec;
    if (learningTime != QLatin1String("::")) {
        run.line(5, QStringLiteral("<typicallearningtime>"));
        run.element(6, QStringLiteral("datetime"), learningTime);
        run.line(5, QStringLiteral("</typicallearningtime>"));
    }
    if (!r.usageDescription.isEmpty()) {
        run.line(2, QStringLiteral("<description>"));
        run.langString(3, r.usageDescription);
        run.line(2, QStringLiteral("</description>"));
        run.element(2, QStringLiteral("language"), run.ctx.languageCode);
    }
    run.line(1, QStringLiteral("</educational>"));
    run.empty();

    // Its indentation and the empty line stay where an empty category was cut out.
    run.text.remove(QStringLiteral("<educational>\r\n   </educational>"));
}

} // namespace ts

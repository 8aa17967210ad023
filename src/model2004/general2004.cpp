// The <general>, <lifeCycle> and <metaMetadata> categories.

#include "run2004.h"

#include "shared/textutil.h"

namespace ts {

void writeGeneral2004(Run2004 &run)
{
    const Record2004 &r = run.r;

    run.line(1, QStringLiteral("<general>"));
    run.line(2, QStringLiteral("<title>"));
    run.string(3, r.titleText);
    run.line(2, QStringLiteral("</title>"));
    run.identifier();
    if (run.optional)
        run.element(2, QStringLiteral("language"), run.ctx.languageCode);
    run.line(2, QStringLiteral("<description>"));
    run.string(3, r.courseDescription);
    run.line(2, QStringLiteral("</description>"));

    // An asset's keywords are optional; the other writers always write them.
    if (run.optional || run.writer != Writer2004::Asset) {
        for (const QString &keyword : splitAtCommas(r.keywordsText)) {
            run.line(2, QStringLiteral("<keyword>"));
            run.string(3, trimBlanks(keyword));
            run.line(2, QStringLiteral("</keyword>"));
        }
    }
    if (run.optional && !r.txtCoverage.isEmpty()) {
        run.line(2, QStringLiteral("<coverage>"));
        run.string(3, r.txtCoverage);
        run.line(2, QStringLiteral("</coverage>"));
    }
    if (run.optional && !r.cboStructure.isEmpty())
        run.vocabularyElement(2, 2, QStringLiteral("structure"), 3, r.cboStructure);
    if (run.optional && !r.cboAggregationLevel.isEmpty())
        run.vocabularyElement(2, 2, QStringLiteral("aggregationLevel"), 3, r.cboAggregationLevel);

    run.line(1, QStringLiteral("</general>"));
    run.empty();
}

void writeLifecycle2004(Run2004 &run)
{
    const Record2004 &r = run.r;
    const bool asset = run.writer == Writer2004::Asset;

    run.line(1, QStringLiteral("<lifeCycle>"));
    // The asset writer leaves out an empty version and an empty status; the others write them empty.
    if (!asset || !r.versionText.isEmpty()) {
        run.line(2, QStringLiteral("<version>"));
        run.string(3, r.versionText);
        run.line(2, QStringLiteral("</version>"));
    }
    if (!asset || !r.lifecycleStatusCombo.isEmpty()) {
        // The content aggregation's status pair stands one unit deeper than the others'.
        const int pairLevel = run.writer == Writer2004::Aggregation ? 4 : 3;
        run.vocabularyElement(2, 2, QStringLiteral("status"), pairLevel, r.lifecycleStatusCombo);
    }
    if (!r.lstFiles.isEmpty() && (run.optional || run.writer != Writer2004::SCO))
        run.text += buildContributeXML2004(r.lstFiles, run.constants);
    run.line(1, QStringLiteral("</lifeCycle>"));
    run.empty();
}

void writeMetametadata2004(Run2004 &run)
{
    const Record2004 &r = run.r;

    run.line(1, QStringLiteral("<metaMetadata>"));
    // The identifier repeats the general one: always from the SCO writer, never from the asset writer,
    // and from the content aggregation writer with the optional elements.
    const bool identifier = run.writer == Writer2004::SCO || (run.writer == Writer2004::Aggregation && run.optional);
    if (identifier)
        run.identifier();
    if (run.optional && !r.lstMetaContrib.isEmpty())
        run.text += buildContributeXML2004(r.lstMetaContrib, run.constants);
    for (const char *schema : kMetadataSchemas2004)
        run.element(2, QStringLiteral("metadataSchema"), QLatin1String(schema));
    if (run.optional)
        run.element(2, QStringLiteral("language"), run.ctx.languageCode);
    run.line(1, QStringLiteral("</metaMetadata>"));
    run.empty();
}

} // namespace ts

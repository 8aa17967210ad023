// The <general> category: title, catalog entry, language, description, keywords, coverage, structure
// and aggregation level.

#include "run12.h"

#include "shared/textutil.h"

namespace ts {

namespace {
// The catalog an asset is filed in when the record names none; its entry is then "TBD".
const QString kAssetFallbackCatalog = QStringLiteral("Tagsmith Catalog");
} // namespace

void writeGeneral12(Run12 &run)
{
    const Record12 &r = run.r;
    const bool optional = !run.ctx.optionalOnly;

    run.line(1, QStringLiteral("<general>"));
    run.line(2, QStringLiteral("<title>"));
    run.langString(3, r.titleText);
    run.line(2, QStringLiteral("</title>"));

    QString catalog = r.catalogText;
    QString entry = r.catalogEntryText;
    if (run.writer == Writer12::Asset && catalog.isEmpty()) {
        catalog = kAssetFallbackCatalog;
        entry = QStringLiteral("TBD");
    }
    run.line(2, QStringLiteral("<catalogentry>"));
    run.element(3, QStringLiteral("catalog"), catalog);
    run.line(3, QStringLiteral("<entry>"));
    run.langString(4, entry);
    run.line(3, QStringLiteral("</entry>"));
    run.line(2, QStringLiteral("</catalogentry>"));

    if (optional)
        run.element(2, QStringLiteral("language"), run.ctx.languageCode);

    run.line(2, QStringLiteral("<description>"));
    run.langString(3, r.courseDescription);
    run.line(2, QStringLiteral("</description>"));

    for (const QString &keyword : splitAtCommas(r.keywordsText)) {
        run.line(2, QStringLiteral("<keyword>"));
        run.langString(3, trimBlanks(keyword));
        run.line(2, QStringLiteral("</keyword>"));
    }

    if (optional && !r.txtCoverage.isEmpty()) {
        run.line(2, QStringLiteral("<coverage>"));
        run.langString(3, r.txtCoverage);
        run.line(2, QStringLiteral("</coverage>"));
    }
    // The two vocabulary elements do not indent alike: structure's source text stands at 5 and its value
    // text at 3, aggregation level's both at 4.
    if (optional && !r.cboStructure.isEmpty()) {
        run.line(2, QStringLiteral("<structure>"));
        run.vocabulary(3, 5, 3, r.cboStructure);
        run.line(2, QStringLiteral("</structure>"));
    }
    if (optional && !r.cboAggregationLevel.isEmpty()) {
        run.line(2, QStringLiteral("<aggregationlevel>"));
        run.vocabulary(3, 4, 4, r.cboAggregationLevel);
        run.line(2, QStringLiteral("</aggregationlevel>"));
    }

    run.line(1, QStringLiteral("</general>"));
    run.empty();
}

} // namespace ts

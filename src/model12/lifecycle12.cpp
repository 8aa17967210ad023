// The <lifecycle> and <metametadata> categories.

#include "run12.h"

#include "platform/dialogs.h"
#include "shared/textutil.h"

namespace ts {

namespace {

// The names of a comma-separated list of contributors: the text trimmed as a whole and split; one
// trailing comma gives no extra name, every other empty piece is a name of its own.
QStringList contributorNames(const QString &text)
{
    QStringList parts = splitAtCommas(trimBlanks(text));
    if (parts.size() > 1 && parts.last().isEmpty())
        parts.removeLast();
    return parts;
}

void writeVCard(Run12 &run, const QString &property, const QString &name)
{
    run.line(4, QStringLiteral("<centity>"));
    run.line(5, QStringLiteral("<vcard>"));
    run.line(6, QStringLiteral("begin:vcard"));
    run.line(6, property + escapeXML(trimBlanks(name)));
    run.line(6, QStringLiteral("end:vcard"));
    run.line(5, QStringLiteral("</vcard>"));
    run.line(4, QStringLiteral("</centity>"));
}

} // namespace

bool writeLifecycle12(Run12 &run)
{
    const Record12 &r = run.r;
    const bool asset = run.writer == Writer12::Asset;

    run.line(1, QStringLiteral("<lifecycle>"));
    if (!asset || !r.versionText.isEmpty()) {
        run.line(2, QStringLiteral("<version>"));
        run.langString(3, r.versionText);
        run.line(2, QStringLiteral("</version>"));
    }
    if (!asset || !r.lifecycleStatusCombo.isEmpty()) {
        run.line(2, QStringLiteral("<status>"));
        run.vocabulary(4, 5, 5, r.lifecycleStatusCombo);
        run.line(2, QStringLiteral("</status>"));
    }
    if (!r.lstFiles.isEmpty())
        run.text += buildContributeXML(r.lstFiles, r.txtLifecycleDate, run.constants);
    run.line(1, QStringLiteral("</lifecycle>"));
    run.empty();

    // An asset's lifecycle that stayed empty is cut out again; its indentation and the empty line stay.
    if (asset)
        run.text.remove(QStringLiteral("<lifecycle>\r\n   </lifecycle>"));
    return true;
}

bool writeMetametadata12(Run12 &run)
{
    const Record12 &r = run.r;

    run.line(1, QStringLiteral("<metametadata>"));
    if (!run.ctx.optionalOnly) {
        const QStringList names = contributorNames(r.metadataAuthorsText);
        const QStringList organizations = contributorNames(r.metadataOrganizations);
        if (!names.isEmpty() || !organizations.isEmpty()) {
            run.line(2, QStringLiteral("<contribute>"));
            run.line(4, QStringLiteral("<role>"));
            run.line(5, QStringLiteral("<source>"));
            run.langString(6, QStringLiteral("LOMv1.0"));
            run.line(5, QStringLiteral("</source>"));
            run.line(5, QStringLiteral("<value>"));
            if (r.cboCreatorRole.isEmpty()) {
                msgBox(QStringLiteral("Select a role for your contributor"), Buttons::Ok, Icon::Exclamation,
                       QStringLiteral("Missing Information"));
                run.focus = {QStringLiteral("cboCreatorRole"), 2, false, run.writer == Writer12::SCO};
                return false;
            }
            run.langString(6, r.cboCreatorRole);
            run.line(5, QStringLiteral("</value>"));
            run.line(4, QStringLiteral("</role>"));
            for (const QString &name : names)
                writeVCard(run, QStringLiteral("fn: "), name);
            for (const QString &organization : organizations)
                writeVCard(run, QStringLiteral("org: "), organization);
            run.line(4, QStringLiteral("<date>"));
            run.element(5, QStringLiteral("datetime"), run.today);
            run.line(5, QStringLiteral("<description>"));
            run.langString(6, QStringLiteral("Date Description"));
            run.line(5, QStringLiteral("</description>"));
            run.line(4, QStringLiteral("</date>"));
            run.line(2, QStringLiteral("</contribute>"));
        }
    }
    run.element(2, QStringLiteral("metadatascheme"), QLatin1String(kMetadataScheme12));
    if (!run.ctx.optionalOnly)
        run.element(2, QStringLiteral("language"), run.ctx.languageCode);
    run.line(1, QStringLiteral("</metametadata>"));
    run.empty();
    return true;
}

} // namespace ts

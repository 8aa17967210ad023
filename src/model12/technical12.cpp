// The <technical> category: formats, size, location, browser and operating-system requirements,
// installation remarks, other platform requirements and duration.

#include "run12.h"
#include "vocab12.h"

#include "platform/dialogs.h"
#include "shared/textutil.h"

namespace ts {

namespace {

const QString kMissingInformation = QStringLiteral("Missing Information");

// One requirement. A text outside the table brings a notice and "Continue?": Yes writes the table's
// fallback row, No ends the run (false).
template <std::size_t N>
bool writeRequirement(Run12 &run, const QString &type, const std::array<RequirementRow12, N> &table,
                      const RequirementRow12 &unknown, const QString &text, const QString &notice)
{
    run.line(2, QStringLiteral("<requirement>"));
    run.line(3, QStringLiteral("<type>"));
    run.vocabulary(5, 6, 6, type);
    run.line(3, QStringLiteral("</type>"));
    run.line(3, QStringLiteral("<name>"));
    run.line(5, QStringLiteral("<source>"));
    run.langString(6, QStringLiteral("LOMv1.0"));
    run.line(5, QStringLiteral("</source>"));
    run.line(5, QStringLiteral("<value>"));

    RequirementRow12 row = unknown;
    if (const auto found = findRequirement12(table, text)) {
        row = *found;
    } else {
        msgBox(notice, Buttons::Ok, Icon::Exclamation, QStringLiteral("Notice"));
        if (msgBox(QStringLiteral("Continue?"), Buttons::YesNo, Icon::None, kMissingInformation) != Answer::Yes)
            return false;
    }
    run.langString(6, QLatin1String(row.name));
    run.line(5, QStringLiteral("</value>"));
    run.line(3, QStringLiteral("</name>"));
    run.line(3, minimumVersionLine12(row));
    run.line(2, QStringLiteral("</requirement>"));
    return true;
}

// Installation remarks and other platform requirements stand at level 4, their texts at 5.
void writeLevel4Text(Run12 &run, const QString &tag, const QString &value)
{
    run.line(4, QLatin1Char('<') + tag + QLatin1Char('>'));
    run.langString(5, value);
    run.line(4, QStringLiteral("</") + tag + QLatin1Char('>'));
}

} // namespace

bool writeTechnical12(Run12 &run)
{
    const Record12 &r = run.r;

    run.line(1, QStringLiteral("<technical>"));
    for (const CheckValue12 &box : kFormatChecks12)
        if (r.*box.check)
            run.element(2, QStringLiteral("format"), QLatin1String(box.value));
    for (const QString &format : splitAtCommas(r.otherContentTypeText))
        run.element(2, QStringLiteral("format"), trimBlanks(format));

    // A size that is not a plain number is left out: the element would hold no number.
    if (!r.txtSize.isEmpty()) {
        if (isPlainSize(r.txtSize))
            run.element(2, QStringLiteral("size"), r.txtSize);
        else
            msgBox(QStringLiteral("Must be a number"), Buttons::Ok, Icon::Exclamation, QStringLiteral("Invalid Entry"));
    }

    const QString location = trimBlanks(r.locationText);
    const bool uri = location.contains(QLatin1Char('\\')) || location.contains(QLatin1Char('/'));
    run.line(2, QStringLiteral("<location type=\"%1\">").arg(uri ? QStringLiteral("URI") : QStringLiteral("TEXT")) +
                    escapeXML(location) + QStringLiteral("</location>"));

    if (!run.ctx.optionalOnly) {
        if (!r.browserCombo.isEmpty() &&
            !writeRequirement(run, QStringLiteral("Browser"), kBrowsers12, kUnknownBrowser12, r.browserCombo,
                              QStringLiteral("Invalid or Unsupported Browser selected")))
            return false;
        if (!r.osCombo.isEmpty() &&
            !writeRequirement(run, QStringLiteral("Operating System"), kOperatingSystems12, kUnknownOperatingSystem12,
                              r.osCombo, QStringLiteral("No Operating System selected")))
            return false;
        if (!r.installationRemarks.isEmpty())
            writeLevel4Text(run, QStringLiteral("installationremarks"), r.installationRemarks);
        if (!r.otherRequirements.isEmpty())
            writeLevel4Text(run, QStringLiteral("otherplatformrequirements"), r.otherRequirements);
        // The duration's date is the export day; the duration itself travels as its description.
        if (!r.txtDuration.isEmpty()) {
            run.line(4, QStringLiteral("<duration>"));
            run.element(5, QStringLiteral("datetime"), run.today);
            run.line(4, QStringLiteral("<description>"));
            run.langString(5, r.txtDuration);
            run.line(4, QStringLiteral("</description>"));
            run.line(4, QStringLiteral("</duration>"));
        }
    }

    run.line(1, QStringLiteral("</technical>"));
    run.empty();
    return true;
}

} // namespace ts

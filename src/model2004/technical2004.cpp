// The <technical> category: formats, size, location, browser and operating-system requirements,
// installation remarks, other platform requirements and duration. The three writers write it alike.

#include "duration2004.h"
#include "run2004.h"
#include "vocab2004.h"

#include "platform/dialogs.h"
#include "shared/textutil.h"

namespace ts {

namespace {

// The browser requirement. A text outside the browser list brings a notice and "Continue?": Yes writes
// "any" with minimum version 1.0, No ends the run (false).
bool writeBrowser(Run2004 &run, const QString &browser)
{
    run.line(2, QStringLiteral("<requirement>"));
    run.line(2, QStringLiteral("<orComposite>"));
    run.vocabularyElement(3, 3, QStringLiteral("type"), 4, QStringLiteral("browser"));
    run.line(3, QStringLiteral("<name>"));
    run.text += buildSourceXML2004(QStringLiteral("LOMv1.0"), 4);

    BrowserRow2004 row = kUnknownBrowser2004;
    if (const auto found = findBrowser2004(browser)) {
        row = *found;
    } else {
        msgBox(QStringLiteral("Invalid or Unsupported Browser selected"), Buttons::Ok, Icon::Exclamation,
               QStringLiteral("Notice"));
        if (msgBox(QStringLiteral("Continue?"), Buttons::YesNo, Icon::None, QStringLiteral("Missing Information")) !=
            Answer::Yes)
            return false;
    }
    run.text += buildValueXML2004(QLatin1String(row.name), 4);
    run.line(3, QStringLiteral("</name>"));
    // "any" has no minimum version: its line holds only the indentation.
    run.line(3, row.minimumVersion ? QStringLiteral("<minimumVersion>%1</minimumVersion>")
                                         .arg(QLatin1String(row.minimumVersion))
                                   : QString());
    run.line(2, QStringLiteral("</orComposite>"));
    run.line(2, QStringLiteral("</requirement>"));
    return true;
}

// The operating-system requirement: the combo's text as the name, minimum version 1.0.
void writeOperatingSystem(Run2004 &run, const QString &os)
{
    run.line(2, QStringLiteral("<requirement>"));
    run.line(2, QStringLiteral("<orComposite>"));
    run.vocabularyElement(3, 3, QStringLiteral("type"), 5, QStringLiteral("operating system"));
    run.vocabularyElement(3, 3, QStringLiteral("name"), 6, os);
    run.line(3, QStringLiteral("<minimumVersion>1.0</minimumVersion>"));
    run.line(2, QStringLiteral("</orComposite>"));
    run.line(2, QStringLiteral("</requirement>"));
}

// Installation remarks and other platform requirements stand at level 4, their texts at 5.
void writeLevel4Text(Run2004 &run, const QString &tag, const QString &value)
{
    run.line(4, QLatin1Char('<') + tag + QLatin1Char('>'));
    run.string(5, value);
    run.line(4, QStringLiteral("</") + tag + QLatin1Char('>'));
}

} // namespace

bool writeTechnical2004(Run2004 &run)
{
    const Record2004 &r = run.r;

    run.line(1, QStringLiteral("<technical>"));
    for (const CheckValue2004 &box : kFormatChecks2004)
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
    run.element(2, QStringLiteral("location"), trimBlanks(r.locationText));

    if (run.optional) {
        if (!r.browserCombo.isEmpty() && !writeBrowser(run, r.browserCombo))
            return false;
        if (!r.osCombo.isEmpty())
            writeOperatingSystem(run, r.osCombo);
        if (!r.installationRemarks.isEmpty())
            writeLevel4Text(run, QStringLiteral("installationRemarks"), r.installationRemarks);
        if (!r.otherRequirements.isEmpty())
            writeLevel4Text(run, QStringLiteral("otherPlatformRequirements"), r.otherRequirements);
        // A duration whose parts are not whole numbers is left out, as a size that is no number is.
        if (!r.txtDuration.isEmpty() && !isPlainDuration(r.txtDuration)) {
            msgBox(QStringLiteral("Duration must be whole numbers"), Buttons::Ok, Icon::Exclamation,
                   QStringLiteral("Invalid Entry"));
        } else if (!r.txtDuration.isEmpty()) {
            run.line(4, QStringLiteral("<duration>"));
            run.element(5, QStringLiteral("duration"), r.txtDuration);
            run.line(4, QStringLiteral("<description>"));
            run.string(5, QLatin1String(kDurationDescription2004));
            run.line(4, QStringLiteral("</description>"));
            run.line(4, QStringLiteral("</duration>"));
        }
    }

    run.line(1, QStringLiteral("</technical>"));
    run.empty();
    return true;
}

} // namespace ts

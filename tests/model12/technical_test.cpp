#include "support/testmain.h"

#include "fixtures12.h"

#include "shared/textutil.h"

using namespace ts;
using namespace ts::test;

namespace {

struct RequirementCase {
    const char *text;
    const char *name;
    const char *minimumVersionLine;
};

const RequirementCase kBrowserCases[] = {
    {"Any", "Any", ""},
    {"MS Explorer 4.x or Higher", "Microsoft Internet Explorer", "<minimumversion>4.0</minimumversion>"},
    {"MS Explorer 5.x or Higher", "Microsoft Internet Explorer", "<minimumversion>5.0</minimumversion>"},
    {"MS Explorer 6.x or Higher", "Microsoft Internet Explorer", "<minimumversion>6.0</minimumversion>"},
    {"Netscape 4.x", "Netscape Communicator", "<minimumversion>4.0</minimumversion>"},
    {"Netscape 6.x or Higher", "Netscape Communicator", "<minimumversion>6.0</minimumversion>"},
    {"Opera", "Opera", "<minimumversion>7.0</minimumversion>"},
};

const RequirementCase kOsCases[] = {
    {"PC-DOS", "PC-DOS", ""},
    {"MS-Windows", "MS-Windows", "<minimumversion>95</minimumversion>"},
    {"MacOS", "MacOS", "<minimumversion></minimumversion>"},
    {"Unix", "Unix", "<minimumversion></minimumversion>"},
    {"Multi-OS", "Multi-OS", "<minimumversion></minimumversion>"},
    {"Other", "Other", ""},
    {"None", "None", ""},
};

QString requirement(const QString &type, const QString &name, const QString &minimumVersionLine)
{
    return crlf({
        "      <requirement>",
        "         <type>",
        "               <source>",
        "                  <langstring xml:lang=\"x-none\">LOMv1.0</langstring>",
        "               </source>",
        "               <value>",
        "                  <langstring xml:lang=\"x-none\">" + type + "</langstring>",
        "               </value>",
        "         </type>",
        "         <name>",
        "               <source>",
        "                  <langstring xml:lang=\"x-none\">LOMv1.0</langstring>",
        "               </source>",
        "               <value>",
        "                  <langstring xml:lang=\"x-none\">" + name + "</langstring>",
        "               </value>",
        "         </name>",
        "         " + minimumVersionLine,
        "      </requirement>",
    });
}

QString technicalWith(const QString &inner)
{
    return crlf({"   <technical>"}) + crlf({"      <location type=\"TEXT\"></location>"}) + inner +
           crlf({"   </technical>"});
}

} // namespace

class Technical12 : public Writer12Test {
protected:
    QString technical(const WriteResult12 &result) const
    {
        return section(result.text, QStringLiteral("<technical>"), QStringLiteral("</technical>"));
    }
    void expectQuestion(const QString &notice) const
    {
        ASSERT_EQ(dialogs.calls().size(), 2);
        const DialogCall &first = dialogs.calls().at(0);
        EXPECT_EQ(first.text, notice);
        EXPECT_EQ(first.title, QStringLiteral("Notice"));
        EXPECT_EQ(first.icon, Icon::Exclamation);
        EXPECT_EQ(first.buttons, Buttons::Ok);
        const DialogCall &second = dialogs.calls().at(1);
        EXPECT_EQ(second.text, QStringLiteral("Continue?"));
        EXPECT_EQ(second.title, QStringLiteral("Missing Information"));
        EXPECT_EQ(second.icon, Icon::None);
        EXPECT_EQ(second.buttons, Buttons::YesNo);
    }
};

TEST_F(Technical12, EveryBrowserRowWritesItsNameAndMinimumVersion)
{
    for (const RequirementCase &c : kBrowserCases) {
        SCOPED_TRACE(c.text);
        Record12 r = sparseRecord();
        r.browserCombo = QLatin1String(c.text);
        const WriteResult12 result = run(Writer12::Aggregation, r, false);
        ASSERT_TRUE(result.done());
        EXPECT_EQ(technical(result), technicalWith(requirement(QStringLiteral("Browser"), QLatin1String(c.name),
                                                               QLatin1String(c.minimumVersionLine))));
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Technical12, EveryOperatingSystemRowWritesItsNameAndMinimumVersion)
{
    for (const RequirementCase &c : kOsCases) {
        SCOPED_TRACE(c.text);
        Record12 r = sparseRecord();
        r.osCombo = QLatin1String(c.text);
        const WriteResult12 result = run(Writer12::Asset, r, false);
        ASSERT_TRUE(result.done());
        EXPECT_EQ(technical(result), technicalWith(requirement(QStringLiteral("Operating System"),
                                                               QLatin1String(c.name),
                                                               QLatin1String(c.minimumVersionLine))));
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Technical12, EveryTableRowAskedAboutWhenItsCaseDiffersYesAndNo)
{
    // A text that differs from a row only in letter case is outside the table: notice, then "Continue?".
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        for (const RequirementCase &c : kBrowserCases) {
            SCOPED_TRACE(c.text);
            dialogs.clear();
            dialogs.answer(answer);
            Record12 r = sparseRecord();
            r.browserCombo = QLatin1String(c.text).toString().toUpper();
            const WriteResult12 result = run(Writer12::SCO, r, false);
            expectQuestion(QStringLiteral("Invalid or Unsupported Browser selected"));
            if (answer == Answer::Yes) {
                ASSERT_TRUE(result.done());
                const QString version = QStringLiteral("<minimumversion>1.0</minimumversion>");
                EXPECT_EQ(technical(result),
                          technicalWith(requirement(QStringLiteral("Browser"), QString(), version)));
            } else {
                EXPECT_EQ(result.status, WriteStatus12::Stopped);
                EXPECT_TRUE(result.text.isEmpty());
                EXPECT_FALSE(result.focus.isSet());
            }
        }
        for (const RequirementCase &c : kOsCases) {
            SCOPED_TRACE(c.text);
            dialogs.clear();
            dialogs.answer(answer);
            Record12 r = sparseRecord();
            r.osCombo = QLatin1String(c.text).toString().toLower();
            const WriteResult12 result = run(Writer12::Aggregation, r, false);
            expectQuestion(QStringLiteral("No Operating System selected"));
            if (answer == Answer::Yes) {
                ASSERT_TRUE(result.done());
                EXPECT_EQ(technical(result),
                          technicalWith(requirement(QStringLiteral("Operating System"), QString(), QString())));
            } else {
                EXPECT_EQ(result.status, WriteStatus12::Stopped);
                EXPECT_TRUE(result.text.isEmpty());
                EXPECT_FALSE(result.focus.isSet());
            }
        }
    }
}

TEST_F(Technical12, BlankRequirementTextsAreFilledAndOutsideTheTables)
{
    Record12 r = sparseRecord();
    r.browserCombo = QStringLiteral("  ");
    r.osCombo = QStringLiteral(" ");
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Yes);
    const WriteResult12 result = run(Writer12::Aggregation, r, false);
    ASSERT_TRUE(result.done());
    EXPECT_EQ(dialogs.messages(), QStringList({"Invalid or Unsupported Browser selected", "Continue?",
                                               "No Operating System selected", "Continue?"}));
    EXPECT_EQ(result.text.count(QStringLiteral("<requirement>")), 2);
}

TEST_F(Technical12, NoAfterTheBrowserQuestionStopsBeforeTheOperatingSystem)
{
    Record12 r = fullRecord();
    r.browserCombo = QStringLiteral("Lynx");
    r.osCombo = QStringLiteral("BeOS");
    dialogs.answer(Answer::No);
    const WriteResult12 result = writeAggregation12(r, context(false));
    EXPECT_EQ(result.status, WriteStatus12::Stopped);
    EXPECT_EQ(dialogs.messages(), QStringList({"Invalid or Unsupported Browser selected", "Continue?"}));
}

TEST_F(Technical12, MinimumCategoryWritesNoRequirementAndAsksNothing)
{
    Record12 r = fullRecord();
    r.browserCombo = QStringLiteral("Lynx");
    r.osCombo = QStringLiteral("BeOS");
    const WriteResult12 result = run(Writer12::Aggregation, r, true);
    ASSERT_TRUE(result.done());
    EXPECT_TRUE(dialogs.calls().isEmpty());
    EXPECT_EQ(technical(result), crlf({
                                     "   <technical>",
                                     "      <format>graphics/gif</format>",
                                     "      <format>text/html</format>",
                                     "      <format>application/pdf</format>",
                                     "      <format>image/png</format>",
                                     "      <format>text/css</format>",
                                     "      <size>20480</size>",
                                     "      <location type=\"URI\">lessons/cell.html</location>",
                                     "   </technical>",
                                 }));
}

TEST_F(Technical12, FormatsOfEveryBoxInOrderThenTheTypedOnes)
{
    Record12 r = sparseRecord();
    r.quicktimeCheck = r.gifCheck = r.jpgCheck = r.wavCheck = r.htmlCheck = r.flashCheck = true;
    r.excelCheck = r.powerpointCheck = r.javascriptCheck = r.javaCheck = r.pdfCheck = r.realMediaCheck = true;
    r.otherContentTypeText = QStringLiteral("text/html,,a/b c\r\nd/e , ");
    const WriteResult12 result = run(Writer12::Aggregation, r, true);
    EXPECT_EQ(technical(result), crlf({
                                     "   <technical>",
                                     "      <format>video/quicktime</format>",
                                     "      <format>graphics/gif</format>",
                                     "      <format>graphics/jpg</format>",
                                     "      <format>audio/wav</format>",
                                     "      <format>text/html</format>",
                                     "      <format>application/x-shockwave-flash</format>",
                                     "      <format>application/msexcel</format>",
                                     "      <format>application/mspowerpoint</format>",
                                     "      <format>application/x-javascript</format>",
                                     "      <format>application/java</format>",
                                     "      <format>application/pdf</format>",
                                     "      <format>application/realmedia</format>",
                                     "      <format>text/html</format>",
                                     "      <format></format>",
                                     "      <format>a/b c\r\nd/e</format>",
                                     "      <format></format>",
                                     "      <location type=\"TEXT\"></location>",
                                     "   </technical>",
                                 }));
    r = sparseRecord();
    r.otherContentTypeText = QStringLiteral(" ");
    EXPECT_EQ(run(Writer12::Aggregation, r, true).text.count(QStringLiteral("<format></format>")), 1);
}

TEST(PlainSize12, DigitsOnly)
{
    for (const char *yes : {"0", "20480", "007", "123456789012345678901234567890"})
        EXPECT_TRUE(isPlainSize(QLatin1String(yes))) << yes;
    for (const char *no : {"", " ", " 12", "12 ", "-1", "+1", "1.5", "1,000", "1e3", "12kb", "0x10", "١٢"})
        EXPECT_FALSE(isPlainSize(QString::fromUtf8(no))) << no;
}

TEST_F(Technical12, SizeIsWrittenOnlyWhenPlainAndWarnedAboutOtherwise)
{
    Record12 r = sparseRecord();
    r.txtSize = QStringLiteral("1024");
    EXPECT_TRUE(run(Writer12::Aggregation, r, true).text.contains(QStringLiteral("\r\n      <size>1024</size>\r\n")));
    EXPECT_TRUE(dialogs.calls().isEmpty());

    r.txtSize.clear();
    EXPECT_FALSE(run(Writer12::Aggregation, r, true).text.contains(QStringLiteral("size>")));
    EXPECT_TRUE(dialogs.calls().isEmpty());

    for (const char *bad : {"12kb", " ", "1 024", "<5>"}) {
        SCOPED_TRACE(bad);
        dialogs.clear();
        r.txtSize = QLatin1String(bad);
        const WriteResult12 result = run(Writer12::Asset, r, false);
        ASSERT_TRUE(result.done());
        EXPECT_FALSE(result.text.contains(QStringLiteral("size>")));
        ASSERT_EQ(dialogs.calls().size(), 1);
        EXPECT_EQ(dialogs.calls().at(0).text, QStringLiteral("Must be a number"));
        EXPECT_EQ(dialogs.calls().at(0).title, QStringLiteral("Invalid Entry"));
        EXPECT_EQ(dialogs.calls().at(0).icon, Icon::Exclamation);
    }
}

TEST_F(Technical12, LocationTypeFollowsSlashesOfTheTrimmedText)
{
    const struct {
        const char *typed;
        const char *line;
    } cases[] = {
        {"  C:\\course\\index.htm ", "<location type=\"URI\">C:\\course\\index.htm</location>"},
        {"http://example.org/a?b=1&c=2", "<location type=\"URI\">http://example.org/a?b=1&amp;c=2</location>"},
        {"lessons/one.htm", "<location type=\"URI\">lessons/one.htm</location>"},
        {" index.htm ", "<location type=\"TEXT\">index.htm</location>"},
        {"", "<location type=\"TEXT\"></location>"},
        {"   ", "<location type=\"TEXT\"></location>"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        Record12 r = sparseRecord();
        r.locationText = QLatin1String(c.typed);
        EXPECT_TRUE(run(Writer12::SCO, r, true).text.contains(QStringLiteral("\r\n      ") + QLatin1String(c.line) +
                                                                QStringLiteral("\r\n")));
    }
}

TEST_F(Technical12, RemarksRequirementsAndDurationAtLevelFourEscaped)
{
    Record12 r = sparseRecord();
    r.installationRemarks = QStringLiteral("a<b");
    r.otherRequirements = QStringLiteral("c>d");
    r.txtDuration = QStringLiteral("1&2");
    EXPECT_EQ(technical(run(Writer12::Aggregation, r, false)),
              technicalWith(crlf({
                  "            <installationremarks>",
                  "               <langstring xml:lang=\"x-none\">a&lt;b</langstring>",
                  "            </installationremarks>",
                  "            <otherplatformrequirements>",
                  "               <langstring xml:lang=\"x-none\">c&gt;d</langstring>",
                  "            </otherplatformrequirements>",
                  "            <duration>",
                  "               <datetime>2026-12-8</datetime>",
                  "            <description>",
                  "               <langstring xml:lang=\"x-none\">1&amp;2</langstring>",
                  "            </description>",
                  "            </duration>",
              })));
    // Blanks alone count as filled.
    r = sparseRecord();
    r.txtDuration = QStringLiteral(" ");
    EXPECT_TRUE(run(Writer12::Aggregation, r, false).text.contains(QStringLiteral("\"> </langstring>")));
}

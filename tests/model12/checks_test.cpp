#include "support/testmain.h"

#include "fixtures12.h"

#include "shared/apperror.h"
#include "model12/run12.h"

#include <QDir>

using namespace ts;
using namespace ts::test;

namespace {

const struct {
    const char *phrase;
    const char *kind;
} kRelationCases[] = {
    {"Is Part of Resource Named Below", "IsPartOf"},
    {"Has a Part of Resource Named Below", "HasPart"},
    {"Is a Version of Resource Named Below", "IsVersionOf"},
    {"Has a Version of Resource Named Below", "HasVersion"},
    {"Is a Format of Resource Named Below", "IsFormatOf"},
    {"Has a Format of Resource Named Below", "HasFormat"},
    {"References Resource Named Below", "References"},
    {"Is Referenced By Resource Named Below", "IsReferencedBy"},
    {"Is Based on Resource Named Below", "IsBasedOn"},
    {"Is a Basis for Resource Named Below", "IsBasisFor"},
    {"Requires Resource Named Below", "Requires"},
    {"Is Required by Resource Named Below", "IsRequiredBy"},
};

const Writer12 kWriters[] = {Writer12::Aggregation, Writer12::SCO, Writer12::Asset};

} // namespace

class Checks12 : public Writer12Test {
protected:
    void expectMissingInformation(const QString &text) const
    {
        ASSERT_EQ(dialogs.calls().size(), 1);
        const DialogCall &call = dialogs.calls().first();
        EXPECT_EQ(call.text, text);
        EXPECT_EQ(call.title, QStringLiteral("Missing Information"));
        EXPECT_EQ(call.icon, Icon::Exclamation);
        EXPECT_EQ(call.buttons, Buttons::Ok);
    }
};

TEST_F(Checks12, ContributorWithoutRoleSendsTheUserToTheMetametadataTab)
{
    for (const Writer12 writer : kWriters) {
        SCOPED_TRACE(writerProcedure12(writer).toStdString());
        dialogs.clear();
        Record12 r = fullRecord();
        r.cboCreatorRole.clear();
        const WriteResult12 result = run(writer, r, false);
        expectMissingInformation(QStringLiteral("Select a role for your contributor"));
        EXPECT_EQ(result.status, WriteStatus12::Stopped);
        EXPECT_TRUE(result.text.isEmpty());
        // Only the SCO writer enables the role combo before focusing it.
        EXPECT_EQ(result.focus, (FocusRequest12{QStringLiteral("cboCreatorRole"), 2, false, writer == Writer12::SCO}));
    }
}

TEST_F(Checks12, RoleIsCheckedOnlyWhenAContributorIsWritten)
{
    Record12 r = fullRecord();
    r.cboCreatorRole.clear();
    // Minimum categories write no meta-metadata contributor.
    EXPECT_TRUE(run(Writer12::Aggregation, r, true).done());
    // Blank names and organisations give no contributor.
    r.metadataAuthorsText = QStringLiteral("   ");
    r.metadataOrganizations.clear();
    EXPECT_TRUE(run(Writer12::Aggregation, r, false).done());
    EXPECT_TRUE(dialogs.calls().isEmpty());
    // An organisation alone is a contributor; a role of blanks passes and is written as it is.
    r.metadataOrganizations = QStringLiteral("Acme");
    r.cboCreatorRole = QStringLiteral(" ");
    const WriteResult12 result = run(Writer12::Aggregation, r, false);
    ASSERT_TRUE(result.done());
    EXPECT_TRUE(
        result.text.contains(QStringLiteral("\"> </langstring>\r\n               </value>\r\n            </role>")));
}

TEST_F(Checks12, EveryRelationPhraseWritesItsKind)
{
    for (const auto &c : kRelationCases) {
        SCOPED_TRACE(c.phrase);
        Record12 r = sparseRecord();
        r.relationshipCombo = QLatin1String(c.phrase);
        r.otherResourceText = QStringLiteral("Lab & notes");
        const WriteResult12 result = run(Writer12::Aggregation, r, false);
        ASSERT_TRUE(result.done());
        EXPECT_EQ(section(result.text, QStringLiteral("<relation>"), QStringLiteral("</relation>")),
                  crlf({
                      "   <relation>",
                      "      <kind>",
                      "            <source>",
                      "               <langstring xml:lang=\"x-none\">LOMv1.0</langstring>",
                      "            </source>",
                      "            <value>",
                      "               <langstring xml:lang=\"x-none\">" + QLatin1String(c.kind) + "</langstring>",
                      "            </value>",
                      "      </kind>",
                      "      <resource>",
                      "         <description>",
                      "            <langstring xml:lang=\"x-none\">Lab &amp; notes</langstring>",
                      "         </description>",
                      "      </resource>",
                      "   </relation>",
                  }));
        EXPECT_TRUE(result.text.contains(QStringLiteral("   </relation>\r\n\r\n</lom>\r\n")));
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Checks12, UnknownRelationPhraseClearsTheComboAndStops)
{
    for (const char *text : {"is part of resource named below", "IsPartOf", " "}) {
        SCOPED_TRACE(text);
        dialogs.clear();
        Record12 r = fullRecord();
        r.relationshipCombo = QLatin1String(text);
        // Both checks would fail: only the first message is shown.
        r.otherResourceText.clear();
        const WriteResult12 result = run(Writer12::SCO, r, false);
        expectMissingInformation(QStringLiteral("You must select a Relationship from the dropdown menu"));
        EXPECT_EQ(result.status, WriteStatus12::Stopped);
        EXPECT_TRUE(result.text.isEmpty());
        EXPECT_EQ(result.focus, (FocusRequest12{QStringLiteral("relationshipCombo"), 6, true, false}));
    }
}

TEST_F(Checks12, RelationWithoutDescriptionStopsAndKeepsTheCombo)
{
    Record12 r = fullRecord();
    r.otherResourceText.clear();
    // A template run ends the same way: no text to store.
    const WriteResult12 result = writeAggregation12(r, context(false));
    expectMissingInformation(QStringLiteral("Description of this relationship must be included"));
    EXPECT_EQ(result.status, WriteStatus12::Stopped);
    EXPECT_TRUE(result.text.isEmpty());
    EXPECT_EQ(result.focus, (FocusRequest12{QStringLiteral("otherResourceText"), 6, false, false}));
}

TEST_F(Checks12, RelationIsLeftOutSilentlyWithoutPhraseOrInMinimumCategories)
{
    Record12 r = fullRecord();
    r.relationshipCombo = QStringLiteral("nonsense");
    EXPECT_TRUE(run(Writer12::Asset, r, true).done());
    r.relationshipCombo.clear();
    const WriteResult12 result = run(Writer12::Asset, r, false);
    ASSERT_TRUE(result.done());
    EXPECT_FALSE(result.text.contains(QStringLiteral("relation>")));
    EXPECT_TRUE(result.text.contains(QStringLiteral("   </rights>\r\n\r\n   <annotation>\r\n")));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(Checks12, ChecksRunInCategoryOrderAndTheFirstExitEndsTheRun)
{
    // The role check of the meta-metadata comes before every question of the technical category and
    // before the relation checks: it alone is shown.
    Record12 r = fullRecord();
    r.cboCreatorRole.clear();
    r.txtSize = QStringLiteral("12kb");
    r.browserCombo = QStringLiteral("Lynx");
    r.relationshipCombo = QStringLiteral("nonsense");
    WriteResult12 result = run(Writer12::SCO, r, false);
    EXPECT_EQ(result.status, WriteStatus12::Stopped);
    EXPECT_EQ(messages(), QStringList({"Select a role for your contributor"}));

    // With a role: the size warning, then the browser notice and its question, then the relation check.
    dialogs.clear();
    dialogs.answer(Answer::Yes);
    r.cboCreatorRole = QStringLiteral("Creator");
    r.relationshipCombo = QStringLiteral("Requires Resource Named Below");
    r.otherResourceText.clear();
    result = run(Writer12::Asset, r, false);
    EXPECT_EQ(result.status, WriteStatus12::Stopped);
    EXPECT_TRUE(result.text.isEmpty());
    EXPECT_EQ(messages(), QStringList({"Must be a number", "Invalid or Unsupported Browser selected", "Continue?",
                                       "Description of this relationship must be included"}));
    EXPECT_EQ(result.focus, (FocusRequest12{QStringLiteral("otherResourceText"), 6, false, false}));
}

TEST_F(Checks12, MissingFragmentIsReportedAndTheDocumentFinishedWithoutIt)
{
    Record12 r = fullRecord();
    r.lstClassification = {QStringLiteral("1"), QStringLiteral("gone"), QStringLiteral("topics")};
    const WriteResult12 result = run(Writer12::Aggregation, r, false);
    ASSERT_TRUE(result.done());
    ASSERT_EQ(dialogs.calls().size(), 1);
    const DialogCall &call = dialogs.calls().first();
    EXPECT_EQ(call.text, QStringLiteral("Error creating Classification, a temporary file may be missing from ") +
                             QDir::toNativeSeparators(path(QStringLiteral("temp12"))) +
                             QStringLiteral("\rYour metadata will not be well formed"));
    EXPECT_EQ(call.buttons, Buttons::Ok);
    EXPECT_EQ(call.icon, Icon::None);
    EXPECT_EQ(call.title, appTitle());
    // The fragment before the missing one stays, the one after it is skipped.
    const QString fragment = QString::fromUtf8(golden("fragments/optional.xml"));
    EXPECT_TRUE(
        result.text.endsWith(QStringLiteral("   </annotation>\r\n\r\n") + fragment + QStringLiteral("</lom>\r\n")));
    EXPECT_FALSE(result.text.contains(QStringLiteral("Educational Objective")));
}

TEST_F(Checks12, AnIdThatIsNoPlainFileNameCountsAsMissing)
{
    writeFile(QStringLiteral("secret.xml"), "<classification>outside</classification>\r\n");
    Record12 r = sparseRecord();
    r.lstClassification = {QStringLiteral("../secret"), QStringLiteral("1")};
    const WriteResult12 result = run(Writer12::Asset, r, true);
    ASSERT_TRUE(result.done());
    EXPECT_EQ(dialogs.calls().size(), 1);
    EXPECT_FALSE(result.text.contains(QStringLiteral("classification")));
}

TEST_F(Checks12, FragmentsArePastedInListOrderUnchanged)
{
    writeFile(QStringLiteral("temp12/2.xml"), QStringLiteral("<classification>Zoë</classification>\r\n").toUtf8());
    Record12 r = sparseRecord();
    r.lstClassification = {QStringLiteral("2"), QStringLiteral("1")};
    const WriteResult12 result = run(Writer12::SCO, r, false);
    ASSERT_TRUE(result.done());
    const QString fragment = QString::fromUtf8(golden("fragments/optional.xml"));
    EXPECT_TRUE(result.text.endsWith(QStringLiteral("   </rights>\r\n<classification>Zoë</classification>\r\n") +
                                     fragment + QStringLiteral("</lom>\r\n")));
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

namespace {
void throwError5() { throw AppError(5, QStringLiteral("Invalid procedure call or argument")); }
void throwError91() { throw AppError(err::ObjectNotSet, QStringLiteral("Object variable not set")); }
struct FaultHook {
    explicit FaultHook(void (*hook)()) { setWriter12FaultHook(hook); }
    ~FaultHook() { setWriter12FaultHook(nullptr); }
};
} // namespace

TEST_F(Checks12, RunTimeErrorsAreReportedNamingTheWriter)
{
    FaultHook hook(throwError5);
    for (const Writer12 writer : kWriters) {
        dialogs.clear();
        const WriteResult12 result = run(writer, fullRecord(), false);
        EXPECT_EQ(result.status, WriteStatus12::Failed);
        EXPECT_TRUE(result.text.isEmpty());
        ASSERT_EQ(dialogs.calls().size(), 1);
        EXPECT_EQ(dialogs.calls().first().text,
                  QStringLiteral("Error 5 (Invalid procedure call or argument) in procedure ") +
                      writerProcedure12(writer) + QStringLiteral(" of Form frmOptions"));
        EXPECT_EQ(dialogs.calls().first().icon, Icon::None);
    }
    EXPECT_EQ(writerProcedure12(Writer12::Aggregation), QStringLiteral("createAggregation"));
    EXPECT_EQ(writerProcedure12(Writer12::SCO), QStringLiteral("createSCO"));
    EXPECT_EQ(writerProcedure12(Writer12::Asset), QStringLiteral("createAsset"));
}

TEST_F(Checks12, Error91HasItsOwnBox)
{
    FaultHook hook(throwError91);
    const WriteResult12 result = run(Writer12::Asset, fullRecord(), false);
    EXPECT_EQ(result.status, WriteStatus12::Failed);
    ASSERT_EQ(dialogs.calls().size(), 1);
    const DialogCall &call = dialogs.calls().first();
    EXPECT_EQ(call.text, QStringLiteral("An unknown error has occured.\rSave your progress and restart program.\r"
                                        "No data will be lost."));
    EXPECT_EQ(call.title, QStringLiteral("Error 91"));
    EXPECT_EQ(call.icon, Icon::Critical);
}

TEST(Writer12Api, CategoriesChooseTheirWriter)
{
    EXPECT_EQ(writerForCategory12(QStringLiteral("Content Aggregation Meta-Data (MD-XML1)")), Writer12::Aggregation);
    EXPECT_EQ(writerForCategory12(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)")),
              Writer12::Aggregation);
    EXPECT_EQ(writerForCategory12(QStringLiteral("SCO Meta-Data(MD-XML1)")), Writer12::SCO);
    EXPECT_EQ(writerForCategory12(QStringLiteral("SCO Meta-Data(MD-XML1 + Optional)")), Writer12::SCO);
    EXPECT_EQ(writerForCategory12(QStringLiteral("Asset Meta-Data(MD-XML1)")), Writer12::Asset);
    EXPECT_EQ(writerForCategory12(QStringLiteral("Asset Meta-Data(MD-XML1 + Optional)")), Writer12::Asset);
    EXPECT_EQ(writerForCategory12(QStringLiteral("SCO Meta-Data (MD-XML1)")), std::nullopt);
    EXPECT_EQ(writerForCategory12(QString()), std::nullopt);
}

TEST(Writer12Api, DocumentDateHasAnUnpaddedDay)
{
    EXPECT_EQ(documentDate12(QDate(2026, 12, 8)), QStringLiteral("2026-12-8"));
    EXPECT_EQ(documentDate12(QDate(2027, 3, 15)), QStringLiteral("2027-03-15"));
    EXPECT_EQ(documentDate12(QDate(2027, 1, 1)), QStringLiteral("2027-01-1"));
}

TEST(Writer12Api, RefusedDocumentText)
{
    EXPECT_EQ(showXmlRefusedText12(),
              QStringLiteral("Error opening xml file. Make sure the folder '\\temp' is located in your program "
                             "directory"));
}

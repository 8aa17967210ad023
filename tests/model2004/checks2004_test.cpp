#include "support/testmain.h"

#include "fixtures2004.h"

#include <QDir>
#include <functional>

using namespace ts;
using namespace ts::test;

namespace {

const Writer2004 kWriters[] = {Writer2004::Aggregation, Writer2004::SCO, Writer2004::Asset};

struct Box {
    const char *text;
    const char *title;
    Icon icon;
    Buttons buttons;
};

const Box kBrowserNotice = {"Invalid or Unsupported Browser selected", "Notice", Icon::Exclamation, Buttons::Ok};
const Box kContinue = {"Continue?", "Missing Information", Icon::None, Buttons::YesNo};
const Box kKindExit = {"You must select a Relationship from the dropdown menu", "Missing Information",
                       Icon::Exclamation, Buttons::Ok};
const Box kDescriptionExit = {"Description of this relationship must be included", "Missing Information",
                              Icon::Exclamation, Buttons::Ok};

// A record's change, the answer to "Continue?", and what the run then shows and gives.
const struct {
    const char *name;
    std::function<void(Record2004 &)> change;
    std::optional<Answer> answer;
    std::vector<Box> boxes;
    WriteStatus status;
    FocusRequest focus;
    const char *written;      // a text of the document when Done
    const char *minimumBox;   // what a minimum category still shows (it writes no relation and no browser)
} kExits[] = {
    {"browser outside the list, No", [](Record2004 &r) { r.browserCombo = "Lynx"; }, Answer::No,
     {kBrowserNotice, kContinue}, WriteStatus::Stopped, {}, nullptr, nullptr},
    {"browser outside the list, Yes", [](Record2004 &r) { r.browserCombo = "Opera"; }, Answer::Yes,
     {kBrowserNotice, kContinue}, WriteStatus::Done, {},
     "<value>any</value>\r\n         </name>\r\n         <minimumVersion>1.0</minimumVersion>\r\n", nullptr},
    {"relation phrase in other case",
     [](Record2004 &r) { r.relationshipCombo = "is part of resource named below"; }, std::nullopt, {kKindExit},
     WriteStatus::Stopped, {"relationshipCombo", 6, true, false}, nullptr, nullptr},
    {"relation without description", [](Record2004 &r) { r.otherResourceText.clear(); }, std::nullopt,
     {kDescriptionExit}, WriteStatus::Stopped, {"otherResourceText", 6, false, false}, nullptr, nullptr},
    {"both relation checks fail: the kind's alone",
     [](Record2004 &r) {
         r.relationshipCombo = "Part of";
         r.otherResourceText.clear();
     },
     std::nullopt, {kKindExit}, WriteStatus::Stopped, {"relationshipCombo", 6, true, false}, nullptr, nullptr},
    {"size that is no plain number", [](Record2004 &r) { r.txtSize = "12kb"; }, std::nullopt,
     {{"Must be a number", "Invalid Entry", Icon::Exclamation, Buttons::Ok}}, WriteStatus::Done, {},
     "<format>text/css</format>\r\n      <location>", "Must be a number"},
    // A duration is left out unless its parts are whole numbers (the seconds may hold a fraction).
    {"duration parts that are no whole numbers",
     [](Record2004 &r) { r.cboSecDuration = "a & b", r.cboSec = "30.5"; }, std::nullopt,
     {{"Duration must be whole numbers", "Invalid Entry", Icon::Exclamation, Buttons::Ok}}, WriteStatus::Done, {},
     "</otherPlatformRequirements>\r\n   </technical>", nullptr},
    // Text before or after a number, also a designator written into a part, is no whole number either.
    {"duration seconds with text after the number", [](Record2004 &r) { r.cboSecDuration = "5 x"; }, std::nullopt,
     {{"Duration must be whole numbers", "Invalid Entry", Icon::Exclamation, Buttons::Ok}}, WriteStatus::Done, {},
     "</otherPlatformRequirements>\r\n   </technical>", nullptr},
    {"duration years with text before the designator", [](Record2004 &r) { r.cboYrDuration = "x P1"; }, std::nullopt,
     {{"Duration must be whole numbers", "Invalid Entry", Icon::Exclamation, Buttons::Ok}}, WriteStatus::Done, {},
     "</otherPlatformRequirements>\r\n   </technical>", nullptr},
    {"typical learning time seconds with text after the designator", [](Record2004 &r) { r.cboSec = "5S x"; },
     std::nullopt, {{"Length / Time must be whole numbers", "Invalid Entry", Icon::Exclamation, Buttons::Ok}},
     WriteStatus::Done, {}, "</difficulty>\r\n      <description>", nullptr},
    {"typical learning time parts that are no whole numbers", [](Record2004 &r) { r.cboMin = "1.5"; }, std::nullopt,
     {{"Length / Time must be whole numbers", "Invalid Entry", Icon::Exclamation, Buttons::Ok}}, WriteStatus::Done,
     {}, "</difficulty>\r\n      <description>", nullptr},
    {"no relation kind: description not needed",
     [](Record2004 &r) {
         r.relationshipCombo.clear();
         r.otherResourceText.clear();
     },
     std::nullopt, {}, WriteStatus::Done, {}, "   </rights>\r\n\r\n   <annotation>\r\n", nullptr},
};

} // namespace

class Checks2004 : public Writer2004Test {};

TEST_F(Checks2004, QuestionsAndRelationChecksEndOrShapeTheRun)
{
    for (const auto &row : kExits) {
        for (const Writer2004 writer : kWriters) {
            SCOPED_TRACE(std::string(row.name) + " " + writerProcedure2004(writer).toStdString());
            dialogs.clear();
            if (row.answer)
                dialogs.answer(*row.answer);
            Record2004 r = fullRecord2004();
            row.change(r);
            const WriteResult result = run(writer, r, false);
            ASSERT_EQ(dialogs.calls().size(), row.boxes.size());
            for (std::size_t i = 0; i < row.boxes.size(); ++i) {
                const DialogCall &call = dialogs.calls()[qsizetype(i)];
                EXPECT_EQ(call.text, QLatin1String(row.boxes[i].text));
                EXPECT_EQ(call.title, QLatin1String(row.boxes[i].title));
                EXPECT_EQ(call.icon, row.boxes[i].icon);
                EXPECT_EQ(call.buttons, row.boxes[i].buttons);
            }
            EXPECT_EQ(result.status, row.status);
            EXPECT_EQ(result.focus, row.focus);
            if (row.written)
                EXPECT_TRUE(result.text.contains(QLatin1String(row.written)));
            else
                EXPECT_TRUE(result.text.isEmpty());
            dialogs.clear();
            EXPECT_TRUE(run(writer, r, true).done());
            EXPECT_EQ(dialogs.messages(), row.minimumBox ? QStringList{row.minimumBox} : QStringList{});
        }
    }
}

TEST_F(Checks2004, MissingOrUnsafeFragmentIsReportedAndTheDocumentFinishedWithoutTheRest)
{
    writeFile(QStringLiteral("secret.xml"), "<classification>outside</classification>\r\n");
    for (const char *missing : {"gone", "../secret"}) {
        SCOPED_TRACE(missing);
        dialogs.clear();
        Record2004 r = fullRecord2004();
        r.lstClassification = {QStringLiteral("1"), QLatin1String(missing), QStringLiteral("topics")};
        const WriteResult result = run(Writer2004::Aggregation, r, false);
        ASSERT_TRUE(result.done());
        EXPECT_EQ(dialogs.messages(),
                  QStringList{QStringLiteral("Error creating Classification, a temporary file may be missing from ") +
                              QDir::toNativeSeparators(path(QStringLiteral("temp"))) +
                              QStringLiteral("\rYour metadata will not be well formed")});
        EXPECT_TRUE(result.text.endsWith(QStringLiteral("   </annotation>\r\n\r\n") +
                                         QString::fromUtf8(golden2004(QStringLiteral("fragments/optional.xml"))) +
                                         QStringLiteral("</lom>\r\n")));
    }
}

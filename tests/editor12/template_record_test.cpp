#include "support/testmain.h"

#include "../frame/framefixture.h"
#include "model12/reader_support.h"

#include "editor12/record12binding.h"
#include "frame/startup.h"
#include "frame/templates.h"
#include "platform/programfolder.h"
#include "model12/buildxml.h"
#include "model12/writer12.h"

using namespace ts;
using namespace ts::test;

class TemplateRecord : public FrameTest {};

TEST_F(TemplateRecord, SavedFromAFullRecordOpensBackWithEveryValue)
{
    settings(0, 0);
    chooseBinding(QStringLiteral("12"));
    initXMLParser();
    ASSERT_TRUE(frmMainLoaded());
    WriteContext12 context;
    context.today = QDate::currentDate();
    context.programDir = programFolder();
    Record12 written = writtenRecord();
    ASSERT_TRUE(buildClassificationXML(QStringLiteral("life"), written, context));
    written.lstClassification = {QStringLiteral("life")};
    frmMain().dontValidate = true;
    putRecord(frmOptions(), written);
    frmMain().dontValidate = false;

    ASSERT_TRUE(saveTemplate(QStringLiteral("full.tsm"), QStringLiteral("SCORM 1.2")));
    frmOptions().clearAll();
    EXPECT_TRUE(openTemplate(templatePath(QStringLiteral("full.tsm"))));

    Record12 expected = withoutClassificationEntry(written);
    expected.lstClassification = {QStringLiteral("1")};
    EXPECT_EQ(changedFields(readRecord(frmOptions()), expected), QStringList());
    EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.messages().join(QLatin1Char('|')).toStdString();
}

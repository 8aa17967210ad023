#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmselectmetadatacategory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace ts;
using namespace ts::test;

// The metadata category dialog: what it puts into both editors, the setting it writes, and its close box.
class Category : public FrameTest {
protected:
    static FrmSelectMetadataCategory &dialog() { return frmSelectMetadataCategory(); }
    static QString categoryOf(QWidget *editor)
    {
        return find<QComboBox>(editor, QStringLiteral("cboSelectCategory"))->currentText();
    }
    // Shows the dialog as File > Open does; the action answers it.
    static void ask(std::function<void(FrmSelectMetadataCategory &)> answer)
    {
        onNextModal([answer](QWidget *) { answer(dialog()); }, QStringLiteral("frmSelectMetadataCategory"));
        frmMain().dontValidate = true;
        dialog().showModal();
        frmMain().dontValidate = false;
        processEvents();
    }
};

TEST_F(Category, FileOpenAsksAndTheAnswerGoesToBothEditors)
{
    startMain();
    const QString opened = path(QStringLiteral("lesson.xml"));
    ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/scorm12.xml")), opened));
    dialogs.answerText(opened);
    onNextModal(
        [](QWidget *window) {
            auto *d = static_cast<FrmSelectMetadataCategory *>(window);
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Select a metadata file type"));
            EXPECT_EQ(d->cboSelectCategory()->currentText(), QStringLiteral("Select Metadata File"));
            EXPECT_TRUE(d->check1()->isChecked());
            d->cboSelectCategory()->setCurrentIndex(5);
            find<QPushButton>(d, QStringLiteral("cmdOk"))->click();
        },
        QStringLiteral("frmSelectMetadataCategory"));
    trigger("mnuFileOpen");
    EXPECT_TRUE(frmMain().isFromSelectMetadata);
    EXPECT_EQ(categoryOf(&frmOptions()), QStringLiteral("Asset Meta-Data(MD-XML1 + Optional)"));
    EXPECT_EQ(categoryOf(&frmOptions2004()), QStringLiteral("Asset Meta-Data(MD-XML1 + Optional)"));
    // Ok only hides the dialog: the next question shows the last answer.
    EXPECT_TRUE(frmSelectMetadataCategoryLoaded());
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(Category, EachItemIsAppliedToTheSCORM12Editor)
{
    startMain();
    const struct {
        int item; // -1: the dialog's own text, left as it was
        const char *category;
        bool optionalOnly;
    } rows[] = {
        {0, "Content Aggregation Meta-Data (MD-XML1)", true},
        {1, "Content Aggregation Meta-Data (MD-XML1 + Optional)", false},
        {2, "SCO Meta-Data(MD-XML1)", true},
        {3, "SCO Meta-Data(MD-XML1 + Optional)", false},
        {4, "Asset Meta-Data(MD-XML1)", true},
        {5, "Asset Meta-Data(MD-XML1 + Optional)", false},
        {-1, "Asset Meta-Data(MD-XML1 + Optional)", false}, // "Select Metadata File" changes no profile
    };
    for (const auto &row : rows) {
        ask([&row](FrmSelectMetadataCategory &d) {
            if (row.item < 0)
                d.cboSelectCategory()->setEditText(QStringLiteral("Select Metadata File"));
            else
                d.cboSelectCategory()->setCurrentIndex(row.item);
            d.cmdOk_Click();
        });
        EXPECT_EQ(frmOptions().metadataCategory, QLatin1String(row.category)) << row.item;
        EXPECT_EQ(frmOptions().optionalOnly, row.optionalOnly) << row.item;
        EXPECT_EQ(categoryOf(&frmOptions2004()), row.item < 0 ? QStringLiteral("Select Metadata File")
                                                              : QLatin1String(row.category));
    }
}

TEST_F(Category, AlwaysShowIsTheSettingAndAFailedWriteKeepsTheDialogOpen)
{
    startMain();
    ask([](FrmSelectMetadataCategory &d) {
        d.check1()->setChecked(false);
        d.cmdOk_Click();
    });
    EXPECT_TRUE(readFile(QStringLiteral("settings.dat")).contains("showSelectMetadataCategory.0\r\n"));
    // With the question off, File > Open asks nothing after the file.
    const QString opened = path(QStringLiteral("lesson.xml"));
    ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/scorm12.xml")), opened));
    dialogs.answerText(opened);
    trigger("mnuFileOpen");
    EXPECT_FALSE(dialog().isVisible());

    QFile::setPermissions(path(QStringLiteral("settings.dat")), QFile::ReadOwner);
    ask([](FrmSelectMetadataCategory &d) {
        d.check1()->setChecked(true);
        d.cmdOk_Click();
        EXPECT_TRUE(d.isVisible());
        d.cboSelectCategory()->setEditText(QStringLiteral("Select Metadata File"));
        d.close();
    });
    EXPECT_EQ(dialogs.calls().last().title, QStringLiteral("File Error"));
}

TEST_F(Category, CloseBoxAndTypedText)
{
    startMain();
    ask([](FrmSelectMetadataCategory &d) {
        // Typing is refused while the program is not filling the editors.
        frmMain().dontValidate = false;
        QTest::keyClicks(d.cboSelectCategory()->lineEdit(), QStringLiteral("x"));
        EXPECT_EQ(d.cboSelectCategory()->currentText(), QString());
        // An empty answer cannot be closed away; any other text can, and changes nothing.
        d.close();
        EXPECT_TRUE(d.isVisible());
        frmMain().dontValidate = true;
        QTest::keyClicks(d.cboSelectCategory()->lineEdit(), QStringLiteral("Typed"));
        d.close();
    });
    EXPECT_EQ(dialogs.messages(), QStringList({"Please select an item from the dropdown menu",
                                               "Please select a metadata file type"}));
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Invalid Entry"));
    EXPECT_EQ(dialogs.calls()[1].title, QStringLiteral("Metadata File Select"));
    EXPECT_EQ(categoryOf(&frmOptions()), QStringLiteral("Select Metadata File"));
    // The close box unloaded the dialog: the next question starts afresh.
    EXPECT_FALSE(frmSelectMetadataCategoryLoaded());
    EXPECT_EQ(dialog().cboSelectCategory()->currentText(), QStringLiteral("Select Metadata File"));
}

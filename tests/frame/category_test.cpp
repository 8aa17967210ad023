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
    // Opens a SCORM 1.2 file with File > Open; the action answers the category dialog that follows.
    void openAndAnswer(std::function<void(FrmSelectMetadataCategory &)> answer)
    {
        QFile::remove(path(QStringLiteral("lesson.xml")));
        ASSERT_TRUE(QFile::copy(testData(QStringLiteral("open/scorm12.xml")), path(QStringLiteral("lesson.xml"))));
        dialogs.answerText(path(QStringLiteral("lesson.xml")));
        onNextModal([answer](QWidget *) { answer(dialog()); }, QStringLiteral("frmSelectMetadataCategory"));
        trigger("mnuFileOpen");
        processEvents();
    }
};

TEST_F(Category, EachAnswerGoesIntoBothEditorsAndAlwaysShowIsTheSetting)
{
    startMain();
    const struct {
        int item; // -1: the dialog's own text, left as it was
        const char *category;
        bool optionalOnly;
    } rows[] = {
        {0, "Content Aggregation Meta-Data (MD-XML1)", true}, {1, "Content Aggregation Meta-Data (MD-XML1 + Optional)", false},
        {2, "SCO Meta-Data(MD-XML1)", true},                  {3, "SCO Meta-Data(MD-XML1 + Optional)", false},
        {4, "Asset Meta-Data(MD-XML1)", true},                {5, "Asset Meta-Data(MD-XML1 + Optional)", false},
        {-1, "Asset Meta-Data(MD-XML1 + Optional)", false}, // "Select Metadata File" changes no profile
    };
    for (const auto &row : rows) {
        openAndAnswer([&row](FrmSelectMetadataCategory &d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Select a metadata file type"));
            EXPECT_TRUE(d.check1()->isChecked());
            if (row.item < 0) {
                d.cboSelectCategory()->setEditText(QStringLiteral("Select Metadata File"));
                d.check1()->setChecked(false); // "Always Show" off with the last answer
            } else
                d.cboSelectCategory()->setCurrentIndex(row.item);
            find<QPushButton>(&d, QStringLiteral("cmdOk"))->click();
        });
        for (kit::EditorWindow *editor : std::initializer_list<kit::EditorWindow *>{&frmOptions(), &frmOptions2004()}) {
            SCOPED_TRACE(editor->objectName().toStdString() + " " + std::to_string(row.item));
            EXPECT_EQ(categoryOf(editor), row.item < 0 ? QStringLiteral("Select Metadata File") : QLatin1String(row.category));
            EXPECT_EQ(editor->metadataCategory, QLatin1String(row.category));
            EXPECT_EQ(editor->optionalOnly, row.optionalOnly);
        }
        EXPECT_TRUE(find<QLineEdit>(&frmOptions2004(), QStringLiteral("titleText"))->isEnabled()) << row.item;
    }
    EXPECT_TRUE(frmMain().isFromSelectMetadata);
    EXPECT_TRUE(readFile(QStringLiteral("settings.dat")).contains("showSelectMetadataCategory.0\r\n"));
    // With the question off, File > Open asks nothing after the file.
    dialogs.answerText(path(QStringLiteral("lesson.xml")));
    trigger("mnuFileOpen");
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(Category, CloseBoxAndTypedText)
{
    startMain();
    openAndAnswer([](FrmSelectMetadataCategory &d) {
        // Typing is refused while the program is not filling the editors.
        frmMain().dontValidate = false;
        QTest::keyClicks(d.cboSelectCategory()->lineEdit(), QStringLiteral("x"));
        // An empty answer cannot be closed away; any other text can, and changes nothing.
        d.close();
        EXPECT_TRUE(d.isVisible());
        frmMain().dontValidate = true;
        QTest::keyClicks(d.cboSelectCategory()->lineEdit(), QStringLiteral("Typed"));
        d.close();
    });
    EXPECT_EQ(dialogs.messages(), QStringList({"Please select an item from the dropdown menu",
                                               "Please select a metadata file type"}));
    EXPECT_EQ(dialogs.calls().at(1).title, QStringLiteral("Invalid Entry"));
    EXPECT_EQ(dialogs.calls().at(2).title, QStringLiteral("Metadata File Select"));
    EXPECT_EQ(categoryOf(&frmOptions()), QStringLiteral("Select Metadata File"));
    // The close box unloaded the dialog: the next question starts afresh.
    EXPECT_EQ(dialog().cboSelectCategory()->currentText(), QStringLiteral("Select Metadata File"));
}

#include "support/testmain.h"

#include "document_fixture.h"

#include "frame/frmprocessing.h"
#include "platform/programfolder.h"

#include <QLabel>

using namespace ts;
using namespace ts::test;

namespace {
const QString kNs = QStringLiteral("{http://www.imsglobal.org/xsd/imsmd_rootv1p2p1}");
const QString kValid = QStringLiteral(
    "Valid Metadata XML File\rRemember to check this file with the ADL Conformance Test Suite to receive a test log.");
} // namespace

class DocumentValidate : public DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        useTestSchema();
    }
    // Validates the text; the one message box it showed.
    DialogCall validate(const QString &text)
    {
        doc().setText(text);
        dialogs.clear();
        press(QStringLiteral("validate"));
        EXPECT_EQ(dialogs.calls().size(), 1);
        return dialogs.calls().isEmpty() ? DialogCall() : dialogs.calls().constLast();
    }
};

TEST_F(DocumentValidate, ValidRecord)
{
    const DialogCall box = validate(dataText(QStringLiteral("valid.xml")));
    EXPECT_EQ(box.text, kValid);
    EXPECT_EQ(box.title, QStringLiteral("Tagsmith"));
    EXPECT_EQ(box.buttons, Buttons::Ok);
    EXPECT_EQ(box.icon, Icon::None);
}

TEST_F(DocumentValidate, ElementOutOfOrderGivesItsLinePositionAndReason)
{
    const DialogCall box = validate(dataText(QStringLiteral("outoforder.xml")));
    EXPECT_EQ(box.text, QStringLiteral("Unsupported XML on line 3, position 4\r\r   <lifecycle>Final</lifecycle>\r\r"
                                       "Element '%1lifecycle': This element is not expected. Expected is ( "
                                       "%1general ).")
                            .arg(kNs));
    EXPECT_EQ(box.title, QStringLiteral("Notice"));
    EXPECT_EQ(box.icon, Icon::Information);
    EXPECT_EQ(box.buttons, Buttons::Ok);
}

TEST_F(DocumentValidate, MissingElementIsReportedAtItsParent)
{
    const DialogCall box = validate(QStringLiteral("<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\">\n"
                                                   "  <general></general>\n</lom>"));
    EXPECT_EQ(box.text, QStringLiteral("Unsupported XML on line 2, position 3\r\r  <general></general>\r\r"
                                       "Element '%1general': Missing child element(s). Expected is ( %1title ).")
                            .arg(kNs));
}

TEST_F(DocumentValidate, MalformedRecord)
{
    const DialogCall box = validate(dataText(QStringLiteral("malformed.xml")));
    EXPECT_EQ(box.text, QStringLiteral("Unsupported XML on line 4, position 38\r\r      <title>Photosynthesis</general>\r\r"
                                       "Opening and ending tag mismatch: title line 4 and general"));
    EXPECT_EQ(box.title, QStringLiteral("Notice"));
    EXPECT_EQ(box.icon, Icon::Information);
}

TEST_F(DocumentValidate, EmptyBoxIsAParseError)
{
    const DialogCall box = validate(QString());
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Unsupported XML on line "))) << box.text.toStdString();
    EXPECT_EQ(box.title, QStringLiteral("Notice"));
}

TEST_F(DocumentValidate, OtherNamespacesAreWellFormedButNotValidated)
{
    DialogCall box = validate(dataText(QStringLiteral("lom2004.xml")));
    EXPECT_EQ(box.text, QStringLiteral("Well-formed XML, but not validated.\rThere is no schema for its namespace, "
                                       "http://ltsc.ieee.org/xsd/LOM; only IMS Meta-Data 1.2 documents can be "
                                       "validated."));
    EXPECT_EQ(box.title, QStringLiteral("Notice"));
    EXPECT_EQ(box.icon, Icon::Information);

    box = validate(QStringLiteral("<lom><general/></lom>"));
    EXPECT_EQ(box.text, QStringLiteral("Well-formed XML, but not validated.\rThe document declares no namespace; only "
                                       "IMS Meta-Data 1.2 documents can be validated."));
    EXPECT_NE(box.text, kValid);
}

TEST_F(DocumentValidate, MissingOrBrokenSchema)
{
    const QString expected =
        QStringLiteral("Unable to validate file.  Metadata schema is missing.  Expected the following schema: ") +
        programPath(QStringLiteral("imsmd_v1p2p2.xsd"));
    writeFile(QStringLiteral("imsmd_v1p2p2.xsd"), "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"><broken");
    DialogCall box = validate(dataText(QStringLiteral("valid.xml")));
    EXPECT_EQ(box.text, expected);
    EXPECT_EQ(box.title, QStringLiteral("Missing File"));
    EXPECT_EQ(box.icon, Icon::Critical);
    EXPECT_EQ(box.buttons, Buttons::Ok);

    QFile::remove(path(QStringLiteral("imsmd_v1p2p2.xsd")));
    box = validate(dataText(QStringLiteral("valid.xml")));
    EXPECT_EQ(box.text, expected);
    EXPECT_EQ(box.title, QStringLiteral("Missing File"));
    EXPECT_EQ(box.icon, Icon::Critical);
}

TEST_F(DocumentValidate, RunsTheProcessingBoxFirstAndSetsItsFlagBack)
{
    bool boxRan = false;
    dialogs.setOnCall([&](const DialogCall &) {
        boxRan = frmProcessingLoaded() && !frmProcessing().isVisible() &&
                 frmProcessing().bar()->text() == QString(34, QLatin1Char('|'));
    });
    validate(dataText(QStringLiteral("valid.xml")));
    EXPECT_TRUE(boxRan);
    EXPECT_FALSE(frmProcessing().doneProcessing);
}

TEST_F(DocumentValidate, EachRunReadsTheSchemaAnew)
{
    EXPECT_EQ(validate(dataText(QStringLiteral("valid.xml"))).text, kValid);
    // A schema in which the record's lifecycle has no place: the next run uses it.
    QByteArray strict = dataFile(QStringLiteral("schema.xsd"));
    strict.replace("<xs:element name=\"lifecycle\" type=\"xs:string\" minOccurs=\"0\"/>", "");
    writeFile(QStringLiteral("imsmd_v1p2p2.xsd"), strict);
    EXPECT_TRUE(validate(dataText(QStringLiteral("valid.xml"))).text.startsWith(QStringLiteral("Unsupported XML on line 6")));
}

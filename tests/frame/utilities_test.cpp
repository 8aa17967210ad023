#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmconvertunits.h"
#include "frame/templates.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace ts;
using namespace ts::test;

class ConvertUnits : public FrameTest {
protected:
    void convert(const QString &amount, int unitIndex)
    {
        FrmConvertUnits &box = frmConvertUnits();
        find<QLineEdit>(&box, QStringLiteral("txtNum"))->setText(amount);
        find<QComboBox>(&box, QStringLiteral("cboUnits"))->setCurrentIndex(unitIndex);
        find<QPushButton>(&box, QStringLiteral("cmdConvert"))->click();
    }
    QString bytes() { return find<QLineEdit>(&frmConvertUnits(), QStringLiteral("txtBytes"))->text(); }
};

TEST_F(ConvertUnits, BoxLayout)
{
    FrmConvertUnits &box = frmConvertUnits();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Convert Units"));
    QComboBox *units = find<QComboBox>(&box, QStringLiteral("cboUnits"));
    ASSERT_EQ(units->count(), 3);
    EXPECT_EQ(units->itemText(0), QStringLiteral("kb"));
    EXPECT_EQ(units->itemText(1), QStringLiteral("mb"));
    EXPECT_EQ(units->itemText(2), QStringLiteral("gb"));
    EXPECT_EQ(find<QPushButton>(&box, QStringLiteral("cmdConvert"))->text(), QStringLiteral("Convert"));
    EXPECT_EQ(units->currentIndex(), -1);
    EXPECT_TRUE(find<QLineEdit>(&box, QStringLiteral("txtNum"))->text().isEmpty());
    EXPECT_TRUE(find<QLineEdit>(&box, QStringLiteral("txtBytes"))->text().isEmpty());
    // Each field carries its label.
    for (const auto &[field, caption] : {std::pair{"txtNum", "Number"}, std::pair{"cboUnits", "Units"},
                                         std::pair{"txtBytes", "Bytes"}}) {
        QWidget *w = find<QWidget>(&box, QLatin1String(field));
        ASSERT_TRUE(w) << field;
        QLabel *label = nullptr;
        for (QLabel *l : box.findChildren<QLabel *>())
            if (l->buddy() == w)
                label = l;
        ASSERT_TRUE(label) << field;
        EXPECT_EQ(label->text(), QLatin1String(caption));
    }
}

TEST_F(ConvertUnits, ConvertsInTheShortestNumberForm)
{
    const struct {
        const char *amount;
        int unit;
        const char *bytes;
    } rows[] = {{"1.5", 0, "1536"}, {"2", 1, "2097152"}, {"3", 2, "3221225472"}, {"0", 0, "0"}, {"0.5", 0, "512"}};
    for (const auto &r : rows) {
        convert(QString::fromLatin1(r.amount), r.unit);
        EXPECT_EQ(bytes(), QString::fromLatin1(r.bytes)) << r.amount;
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(ConvertUnits, MissingAmountOrUnitSaysMissingDataAndKeepsTheResult)
{
    convert(QStringLiteral("2"), 0);
    ASSERT_EQ(bytes(), QStringLiteral("2048"));
    convert(QStringLiteral("5"), -1);
    convert(QString(), 1);
    EXPECT_EQ(bytes(), QStringLiteral("2048"));
    ASSERT_EQ(dialogs.calls().size(), 2);
    for (const DialogCall &c : dialogs.calls()) {
        EXPECT_EQ(c.text, QStringLiteral("Missing data."));
        EXPECT_EQ(c.title, QStringLiteral("Tagsmith"));
        EXPECT_EQ(c.icon, Icon::None);
    }
}

TEST_F(ConvertUnits, AmountThatIsNoNumberIsRefused)
{
    convert(QStringLiteral("2"), 0);
    convert(QStringLiteral("1.2.3"), 0);
    EXPECT_EQ(bytes(), QStringLiteral("2048"));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("Invalid Entry"));
}

class DefaultTemplate : public FrameTest {};

TEST_F(DefaultTemplate, ReadsTheFirstFieldOrFallsBackToDefault)
{
    const struct {
        const char *content; // nullptr: no cdt.txt
        const char *name;
    } rows[] = {{nullptr, "default.tsm"},           {"", "default.tsm"},         {"\r\n", "default.tsm"},
                {"mine.tsm\r\n", "mine.tsm"},       {"a.tsm,b.tsm\r\n", "a.tsm"}, {"  spaced.tsm  \r\n", "spaced.tsm"},
                {"first.tsm\r\nsecond.tsm\r\n", "first.tsm"}};
    for (const auto &r : rows) {
        QFile::remove(path(QStringLiteral("templates/cdt.txt")));
        if (r.content)
            writeFile(QStringLiteral("templates/cdt.txt"), r.content);
        EXPECT_EQ(getDefaultTemplate(), QString::fromLatin1(r.name)) << (r.content ? r.content : "(missing)");
    }
}

TEST_F(DefaultTemplate, SettingWritesOneLineAndTheLabel)
{
    QString name = QStringLiteral("course.tsm");
    EXPECT_EQ(setDefaultTemplate(name), QStringLiteral("1"));
    EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), QByteArray("course.tsm\r\n"));
    EXPECT_EQ(frmMain().lblDefTemp()->text(), QStringLiteral("course.tsm"));

    QString empty;
    EXPECT_EQ(setDefaultTemplate(empty), QStringLiteral("1"));
    EXPECT_EQ(empty, QStringLiteral("default.tsm"));
    EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), QByteArray("default.tsm\r\n"));
}

TEST_F(DefaultTemplate, ReadOnlyPointerFileIsReportedAndKept)
{
    writeFile(QStringLiteral("templates/cdt.txt"), "old.tsm\r\n");
    frmMain().lblDefTemp()->setText(QStringLiteral("old.tsm"));
    QFile::setPermissions(path(QStringLiteral("templates/cdt.txt")), QFileDevice::ReadOwner);
    QString name = QStringLiteral("new.tsm");
    EXPECT_EQ(setDefaultTemplate(name), QString());
    QFile::setPermissions(path(QStringLiteral("templates/cdt.txt")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readFile(QStringLiteral("templates/cdt.txt")), QByteArray("old.tsm\r\n"));
    EXPECT_EQ(frmMain().lblDefTemp()->text(), QStringLiteral("old.tsm"));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls()[0].text, path(QStringLiteral("templates/cdt.txt")) +
                                           QStringLiteral(" is marked as Hidden or Read-Only.\rThis file can not be "
                                                          "opened\rPlease remove these attributes from the file and "
                                                          "try again."));
    EXPECT_EQ(dialogs.calls()[0].icon, Icon::Exclamation);
}

#include "support/testmain.h"

#include "editor2004fixture.h"

#include <QAbstractButton>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>

namespace ts::test {

QList<QStringList> tableRows(const QString &name)
{
    QFile file(testData(QStringLiteral("editor2004/") + name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        rows << line.split(QLatin1Char('\t'));
    return rows;
}

QList<InventoryRow> inventory()
{
    QList<InventoryRow> rows;
    for (const QStringList &cells : tableRows(QStringLiteral("inventory.txt")))
        rows.append({cells});
    return rows;
}

} // namespace ts::test

using namespace ts;
using namespace ts::test;

namespace {

// A control's inventory line, from what the window shows.
QString describe(FrmOptions2004 &win, const QString &name, int tab)
{
    QWidget *w = win.control(name);
    if (!w)
        return name;
    QStringList shown;
    for (const char *property : {"text", "plainText", "currentText", "title", "checked", "maxLength"})
        if (const QVariant value = w->property(property); value.isValid())
            shown << QString::fromLatin1(property) + QLatin1Char('=') + value.toString();
    if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        shown << QStringLiteral("items=") + items.join(QLatin1Char('|'));
    }
    QString label, rule;
    if (const kit::Field *f = win.field(name)) {
        if (auto *caption = win.findChild<QLabel *>(QString::fromUtf8(f->labelName)))
            label = caption->objectName() + QLatin1Char('=') + caption->text();
        const bool open = f->kind == kit::Kind::Combo && f->rule == kit::Rule::None;
        rule = f->rule == kit::Rule::FreeText   ? QStringLiteral("check %1").arg(f->tab)
               : f->rule == kit::Rule::ListOnly ? QStringLiteral("guard")
               : open                           ? QStringLiteral("open")
               : f->ownRule                     ? QStringLiteral("size")
                                                : QString();
    }
    const auto *hint = win.findChild<QLabel *>(name + QStringLiteral("Hint"));
    QStringList cells{name,
                      QString::fromLatin1(w->metaObject()->className()),
                      QString::number(tab),
                      label,
                      hint ? hint->text() : QString(),
                      shown.join(QLatin1Char(';')),
                      rule,
                      w->isHidden() ? QStringLiteral("hidden") : QString()};
    while (cells.constLast().isEmpty())
        cells.removeLast();
    return cells.join(QLatin1Char('\t'));
}

} // namespace

class Window2004 : public Editor2004Test {};

// Every control as the user meets it at load, against the inventory; the lines the window shows are written
// beside the test program.
TEST_F(Window2004, EveryControlHasItsKindTabCaptionHintDefaultLimitListAndRule)
{
    QStringList actual;
    for (const InventoryRow &row : inventory()) {
        actual << describe(*win, row.name(), tabOf(ctl<QWidget>(row.name())));
        EXPECT_EQ(actual.constLast().toStdString(), row.cells.join(QLatin1Char('\t')).toStdString());
    }
    QFile out(QCoreApplication::applicationDirPath() + QStringLiteral("/inventory2004.txt"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(actual.join(QLatin1Char('\n')).toUtf8() + '\n');
    for (const kit::Field *f : win->tables().fields)
        EXPECT_TRUE(actual.join(QLatin1Char('\n')).contains(QString::fromUtf8(f->name) + QLatin1Char('\t')));
    EXPECT_EQ(win->windowTitle(), QStringLiteral("SCORM 2004 Metadata"));
    EXPECT_FALSE(win->isValid || win->optionalOnly || !win->metadataCategory.isEmpty());
}

// Every help label (helptexts.json: its caption, the title of its box, empty for the program's title and no
// icon, and its text word for word) shows its box; no other label shows one, and a click changes nothing.
TEST_F(Window2004, EveryHelpLabelShowsItsBoxAndNoOtherLabelShowsOne)
{
    const auto click = [this](QLabel *label) {
        win->SSTab1()->setCurrentIndex(std::max(0, tabOf(label)));
        processEvents();
        dialogs.clear();
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
        return dialogs.calls();
    };
    QFile file(testData(QStringLiteral("editor2004/helptexts.json")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray rows = QJsonDocument::fromJson(file.readAll()).array();
    ASSERT_EQ(rows.size(), 47);
    QStringList shown{QStringLiteral("lblConvertToBytes")};
    for (const QJsonValue &value : rows) {
        const QJsonObject row = value.toObject();
        SCOPED_TRACE(row[QStringLiteral("label")].toString().toStdString());
        auto *label = ctl<QLabel>(row[QStringLiteral("label")].toString());
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), row[QStringLiteral("caption")].toString());
        const QList<DialogCall> calls = click(label);
        ASSERT_EQ(calls.size(), 1);
        const QString title = row[QStringLiteral("title")].toString();
        EXPECT_EQ(calls[0].title, title.isEmpty() ? appTitle() : title);
        EXPECT_EQ(calls[0].icon, title.isEmpty() ? Icon::None : Icon::Information);
        EXPECT_EQ(calls[0].text, row[QStringLiteral("text")].toString());
        shown << label->objectName();
    }
    for (QLabel *label : win->findChildren<QLabel *>()) {
        if (!label->objectName().isEmpty() && !shown.contains(label->objectName())) {
            EXPECT_TRUE(click(label).isEmpty()) << label->objectName().toStdString();
        }
    }
    EXPECT_EQ(ctl<QLineEdit>("versionText")->text(), QStringLiteral("1.0"));
}

// At the window's default size every tab shows its labels and buttons whole, inside the page, and no two
// controls cover each other; each tab is written beside the test program for a look.
TEST_F(Window2004, EveryTabShowsItsControlsWholeAndApart)
{
    win->setCategoryText(QStringLiteral("Content Aggregation Meta-Data (MD-XML1 + Optional)"));
    win->setFieldText(QStringLiteral("cboMinAge"), QStringLiteral("Age 7 to 90")); // a range as a file gives it
    for (int tab = 0; tab < win->SSTab1()->count(); ++tab) {
        win->SSTab1()->setCurrentIndex(tab);
        processEvents();
        QWidget *page = win->SSTab1()->widget(tab);
        const auto area = [page](QWidget *w) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); };
        QList<QWidget *> controls; // what the user sees: fields, lists, buttons, labels (a combo's line is the combo)
        for (QWidget *w : page->findChildren<QWidget *>())
            if (w->isVisibleTo(page) && (w->inherits("QLabel") || w->inherits("QAbstractButton") ||
                                         w->inherits("QComboBox") || w->inherits("QAbstractScrollArea") ||
                                         (w->inherits("QLineEdit") && !w->parentWidget()->inherits("QComboBox"))))
                controls << w;
        EXPECT_GT(controls.size(), 4);
        for (QWidget *w : controls) {
            const std::string name = w->objectName().toStdString() + " on tab " + std::to_string(tab);
            EXPECT_TRUE(page->rect().contains(area(w)) && w->parentWidget()->rect().contains(w->geometry())) << name;
            // A label shows its whole text, a button or box its whole caption, a list its text inside its margins.
            const auto *label = qobject_cast<QLabel *>(w);
            const auto *list = qobject_cast<QComboBox *>(w);
            const int room = label  ? label->contentsRect().width()
                             : list ? list->lineEdit()->contentsRect().width() - 4
                                    : w->width();
            const int needed = label  ? label->fontMetrics().horizontalAdvance(label->text())
                               : list ? list->fontMetrics().horizontalAdvance(list->currentText())
                               : w->inherits("QAbstractButton") ? w->sizeHint().width()
                                                                : 0;
            EXPECT_GE(room, needed) << name;
            for (QWidget *other : controls) {
                const bool apart =
                    other == w || w->isAncestorOf(other) || other->isAncestorOf(w) || !area(w).intersects(area(other));
                EXPECT_TRUE(apart) << name << " / " << other->objectName().toStdString();
            }
        }
        const QString file =
            QCoreApplication::applicationDirPath() + QStringLiteral("/frmOptions2004_tab%1.png").arg(tab);
        EXPECT_TRUE(win->grab().save(file)) << file.toStdString();
    }
}

// The metadata categories of an editor window: which fields each one lets the user edit.

#include "editorwindow.h"

#include "look.h"

#include "shared/apperror.h"

#include <QComboBox>

namespace ts::kit {

void EditorWindow::cboSelectCategory_Click()
{
    try {
        const QString text = m_category->currentText();
        for (const CategoryProfile &c : m_tables.categoryProfiles) {
            if (text != QString::fromUtf8(c.category))
                continue;
            // A minimum category greys everything first, so that only its own set is left editable.
            if (c.greyFirst)
                applyProfile(m_tables.disablingProfile);
            applyProfile(c.profile);
            optionalOnly = c.optionalOnly;
            metadataCategory = m_category->currentText();
            return;
        }
    } catch (const std::exception &e) {
        reportFailure(e, QString::fromUtf8(m_tables.categoryProcedure));
    }
}

void EditorWindow::setCategoryText(const QString &text)
{
    m_settingCategory = true;
    putComboText(m_category, text);
    m_settingCategory = false;
    cboSelectCategory_Click();
}

void EditorWindow::apply(QWidget *control, Act act)
{
    switch (act) {
    case Act::Skip:
        return;
    case Act::Grey:
        control->setEnabled(false);
        look::setBackColor(control, look::kButtonFace);
        return;
    case Act::Edit:
        control->setEnabled(true);
        look::setBackColor(control, look::kWhite);
        return;
    case Act::Face:
        control->setEnabled(true);
        look::setBackColor(control, look::kButtonFace);
        return;
    case Act::On:
        control->setEnabled(true);
        return;
    case Act::Off:
        control->setEnabled(false);
        return;
    case Act::Browse:
        control->setEnabled(true);
        look::setBackColor(control, look::kBrowseFace);
        return;
    }
}

void EditorWindow::applyProfile(int profile)
{
    try {
        for (const ProfileRow &row : m_tables.profiles) {
            for (const char *name : row.controls) {
                QWidget *c = control(QString::fromUtf8(name));
                if (!c)
                    throw AppError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
                apply(c, row.acts.begin()[profile]);
            }
        }
    } catch (const std::exception &e) {
        reportFailure(e, QString::fromUtf8(m_tables.profileProcedures[profile]));
    }
}

void EditorWindow::reportFailure(const std::exception &e, const QString &procedure)
{
    reportError(e, procedure, QString::fromUtf8(m_tables.owner));
}

void EditorWindow::putComboText(QComboBox *combo, const QString &text)
{
    const int index = text.isEmpty() ? -1 : combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index);
    if (combo->currentText() != text)
        combo->setEditText(text);
}

} // namespace ts::kit

#include "requiredfields.h"

#include "editorwindow.h"

#include "platform/dialogs.h"
#include "shared/apperror.h"

#include <QAbstractButton>
#include <QDate>
#include <QListWidget>
#include <QRegularExpression>
#include <algorithm>

namespace ts::kit {

namespace {

QString str(const char *text) { return QString::fromUtf8(text); }

bool filled(const EditorWindow &window, const char *name)
{
    QWidget *control = window.control(str(name));
    if (!control)
        throw AppError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
    if (auto *box = qobject_cast<QAbstractButton *>(control))
        return box->isChecked();
    if (auto *list = qobject_cast<QListWidget *>(control))
        return list->count() > 0;
    return !window.fieldText(str(name)).isEmpty();
}

bool met(const EditorWindow &window, const RequiredRow &row)
{
    if (row.need == Need::Date)
        return isRequiredDate(window.fieldText(str(*row.fields.begin())));
    return std::any_of(row.fields.begin(), row.fields.end(),
                       [&window](const char *name) { return filled(window, name); });
}

} // namespace

bool isRequiredDate(const QString &text)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{4})-([0-9]{2})-([0-9]{2})")));
    const QRegularExpressionMatch match = form.match(text);
    return match.hasMatch() &&
           QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()).isValid();
}

bool checkCategory(EditorWindow &window, const RequiredCategory &category, bool relaxed)
{
    try {
        for (const RequiredRow &row : category.rows) {
            if ((row.strictOnly && relaxed) || met(window, row))
                continue;
            msgBox(str(row.message), Buttons::Ok, Icon::Exclamation, str(row.title));
            // A field that cannot take the focus (greyed in the category's profile) leaves it where it is.
            window.focusField(str(row.focus), row.tab, false, false);
            return false;
        }
        return true;
    } catch (const std::exception &e) {
        // A check that cannot finish has not found the record complete.
        reportError(e, str(category.procedure), str(window.tables().owner), true);
        return false;
    }
}

bool checkUserData(EditorWindow &window, std::span<const RequiredCategory> categories, bool relaxed)
{
    try {
        for (const RequiredCategory &category : categories)
            if (!checkCategory(window, category, relaxed))
                return false;
        return true;
    } catch (const std::exception &e) {
        reportError(e, QStringLiteral("checkUserData"), str(window.tables().owner));
        return false;
    }
}

} // namespace ts::kit

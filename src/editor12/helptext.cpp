#include "helptext.h"

namespace ts {

const HelpText *findHelpText(std::initializer_list<HelpText> table, const QString &label)
{
    for (const HelpText &row : table)
        if (label == QLatin1String(row.label))
            return &row;
    return nullptr;
}

void showHelpText(const HelpText &row)
{
    msgBox(QString::fromUtf8(row.text), Buttons::Ok, row.icon, QString::fromUtf8(row.title));
}

} // namespace ts

#include "readertables.h"

#include <array>

namespace ts::readers {

namespace {
// The category as the unsupported-element notices name it, in the order of Category.
constexpr std::array<const char *, 9> kSections = {"general",   "lifecycle", "metametadata",
                                                   "technical", "education", "rights",
                                                   "relation",  "annotation", "classification"};

QString bracketed(const QString &name) { return QLatin1Char('<') + name + QLatin1Char('>'); }
} // namespace

QString unsupportedElementText(const QString &section)
{
    return QStringLiteral("Unsupported element found in your imported file ") + bracketed(section) +
           QStringLiteral(": ");
}

QString unsupportedElementText(Category category)
{
    return unsupportedElementText(QLatin1String(kSections.at(static_cast<std::size_t>(category))));
}

QString sectionName(Category category)
{
    return bracketed(category == Category::Educational
                         ? QStringLiteral("educational")
                         : QLatin1String(kSections.at(static_cast<std::size_t>(category))));
}

QString noValueElementText(Category category, const QString &element)
{
    return QLatin1String(kUnsupportedValue) + sectionName(category) + QStringLiteral(": ") + element +
           QStringLiteral(" (no value element)");
}

} // namespace ts::readers

#include "readertables.h"

#include <array>

namespace ts::readers {

namespace {
// The category as the unsupported-element notices name it, in the order of Category.
constexpr std::array<const char *, 9> kSections = {"<general>",   "<lifecycle>", "<metametadata>",
                                                   "<technical>", "<education>", "<rights>",
                                                   "<relation>",  "<annotation>", "<classification>"};
} // namespace

QString unsupportedElementText(Category category)
{
    return QStringLiteral("Unsupported element found in your imported file ") +
           QLatin1String(kSections.at(static_cast<std::size_t>(category))) + QStringLiteral(": ");
}

QString sectionName(Category category)
{
    return category == Category::Educational ? QStringLiteral("<educational>")
                                             : QLatin1String(kSections.at(static_cast<std::size_t>(category)));
}

} // namespace ts::readers

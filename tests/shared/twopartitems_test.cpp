#include "support/testmain.h"

#include "shared/textutil.h"
#include "shared/twopartitems.h"

using namespace ts;

TEST(TwoPartItems, TwoPartItemsAndCommaLists)
{
    using P = std::pair<QString, QString>;
    // A contributor splits at its last comma, a taxon at its first.
    EXPECT_EQ(splitContributorItem(QStringLiteral("Smith, Ann,Author")),
              P(QStringLiteral("Smith, Ann"), QStringLiteral("Author")));
    EXPECT_EQ(splitTaxonItem(QStringLiteral("571.6,Cell biology, general")),
              P(QStringLiteral("571.6"), QStringLiteral("Cell biology, general")));
    // Without a comma the second value is empty instead of failing the export.
    EXPECT_EQ(splitContributorItem(QStringLiteral("Ann")), P(QStringLiteral("Ann"), QString()));
    EXPECT_EQ(splitTaxonItem(QStringLiteral("570")), P(QStringLiteral("570"), QString()));

    EXPECT_TRUE(splitAtCommas(QString()).isEmpty());
    EXPECT_EQ(splitAtCommas(QStringLiteral(",a,,")), QStringList({"", "a", "", ""}));
    EXPECT_EQ(trimBlanks(QStringLiteral("  a b \t ")), QStringLiteral("a b \t"));
    EXPECT_EQ(trimBlanks(QStringLiteral("   ")), QString());
}

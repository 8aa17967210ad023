#include "support/testmain.h"

#include "model2004/duration2004.h"

using namespace ts;

TEST(Duration2004, SplitsEveryIsoFormAndRefusesTheRest)
{
    using P = DurationParts;
    const struct {
        const char *text;
        std::optional<P> parts;
    } rows[] = {
        {"P00Y00M00DT00H00M00S", P{"00", "00", "00", "00", "00", "00"}},
        {"P1Y2M3DT4H5M6S", P{"1", "2", "3", "4", "5", "6"}},
        {"PT1H30M", P{"", "", "", "1", "30", ""}},
        {"P1D", P{"", "", "1", "", "", ""}},
        {"PT45M", P{"", "", "", "", "45", ""}},
        {"PT00.5S", P{"", "", "", "", "", "00.5"}},
        {"P2W", P{"", "", "14", "", "", ""}},
        {"P01Y02M03D04H05M06", P{"01", "02", "03", "04", "05", "06"}},
        {"", std::nullopt},
        {"P", std::nullopt},
        {"PT", std::nullopt},
        {"01:30:00", std::nullopt},
        {"P1H", std::nullopt},
        {"two hours", std::nullopt},
    };
    for (const auto &row : rows)
        EXPECT_EQ(splitDuration(QString::fromLatin1(row.text)), row.parts) << row.text;
}

TEST(Duration2004, ComposesTheFullFormAndTheAgeRange)
{
    DurationParts empty;
    EXPECT_EQ(composeDuration(empty), QStringLiteral("P00Y00M00DT00H00M00S"));
    EXPECT_EQ(empty.hours, QStringLiteral("00"));
    DurationParts typed{"1", "", "01", "02", "30", ""};
    EXPECT_EQ(composeDuration(typed), QStringLiteral("P1Y00M01DT02H30M00S"));

    EXPECT_EQ(composeAgeRange("10", "20"), QStringLiteral("10 - 20"));
    EXPECT_EQ(composeAgeRange("10", "No Max"), QStringLiteral("10 - "));
    EXPECT_EQ(composeAgeRange("", "30"), QStringLiteral(" - 30"));
    EXPECT_EQ(splitAgeRange("10 - 20"), std::make_pair(QString("10"), QString("20")));
    EXPECT_EQ(splitAgeRange("18+"), std::make_pair(QString("18+"), QString()));
    EXPECT_EQ(splitAgeRange("7-12-15"), std::make_pair(QString("7"), QString("12")));
}

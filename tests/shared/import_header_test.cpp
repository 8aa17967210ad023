#include "support/testmain.h"

#include "shared/metadataheader.h"

using namespace ts;

namespace {

TEST(StripHeader, ReopensWhatTheHeaderLeavesOpenWithItsNamespaceDeclarationsOnly)
{
    const std::pair<const char *, const char *> rows[] = {
        // header, what stands in its place
        {"<?xml version=\"1.0\"?>\r\n<lom>\r\n   ", "<lom>"},
        {"", ""},
        {"<?xml version=\"1.0\"?>\n<!-- <x> -->\n<lom xmlns=\"urn:a\"\n  xmlns:xsi='urn:x'\n xsi:schemaLocation=\"urn:a "
         "a.xsd\" id=\"r\">\n",
         "<lom xmlns=\"urn:a\" xmlns:xsi='urn:x'>"},
        {"<!DOCTYPE lom [<!ENTITY e \"<x>\">]>\n<md:lom xmlns:md=\"urn:a\">", "<md:lom xmlns:md=\"urn:a\">"},
        {"<manifest xmlns=\"urn:cp\"><metadata><schema>S</schema><empty/><![CDATA[<no>]]><?pi <no>?>"
         "<lom xmlns=\"urn:md\">",
         "<manifest xmlns=\"urn:cp\"><metadata><lom xmlns=\"urn:md\">"},
        {"<?xml version=\"1.0\"?>\n", ""},
    };
    for (const auto &[header, reopened] : rows) {
        SCOPED_TRACE(header);
        const QString body = QStringLiteral("<general><title>T</title></general><general>again</general>");
        const QString text = QLatin1String(header) + body;
        Notices notices;
        const std::optional<StrippedMetadata> stripped = stripHeader(text, notices);
        ASSERT_TRUE(stripped);
        EXPECT_EQ(stripped->original, text);
        EXPECT_EQ(stripped->header, QLatin1String(header));
        EXPECT_EQ(stripped->text, QLatin1String(reopened) + body);
        EXPECT_TRUE(notices.isEmpty());
    }
}

TEST(StripHeader, AnyFormCutsAtTheFirstGeneralElementWhateverItsPrefixOrAttributes)
{
    const struct {
        const char *text;
        GeneralTag form;
        const char *header; // nullptr: no general element found
    } rows[] = {
        {"<lom:lom xmlns:lom=\"urn:l\"><lom:general id=\"g\"/></lom:lom>", GeneralTag::AnyForm,
         "<lom:lom xmlns:lom=\"urn:l\">"},
        {"<!-- <general> --><lom><generalities/><general\n uniqueElementName='general'>", GeneralTag::AnyForm,
         "<!-- <general> --><lom><generalities/>"},
        // A tag that cannot be read ends the search by tags; the first "<general>" is taken then.
        {"<lom><x a=<general>", GeneralTag::AnyForm, "<lom><x a="},
        {"<lom:lom xmlns:lom=\"urn:l\"><lom:general/></lom:lom>", GeneralTag::AsWritten, nullptr},
        // Written exactly so, a "<general>" in a comment, an instruction, character data or the document type
        // is no general element either.
        {"<!DOCTYPE lom [<!-- <general> -->]><?pi <general>?><lom><!-- <general> --><![CDATA[<general>]]><general>",
         GeneralTag::AsWritten,
         "<!DOCTYPE lom [<!-- <general> -->]><?pi <general>?><lom><!-- <general> --><![CDATA[<general>]]>"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        Notices notices;
        const std::optional<StrippedMetadata> stripped = stripHeader(QLatin1String(row.text), notices, row.form);
        ASSERT_EQ(stripped.has_value(), row.header != nullptr);
        if (stripped) {
            EXPECT_EQ(stripped->header, QLatin1String(row.header));
        }
        EXPECT_EQ(notices.size(), row.header ? 0 : 1);
    }
}

TEST(IsScorm2004Document, ByTheTextOrByTheNamespaceOfTheRoot)
{
    const std::pair<const char *, bool> rows[] = {
        {"<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general/></lom>", true},
        {"<?xml version=\"1.0\"?>\n<!-- <lom> -->\n<lom:lom xmlns:lom=\"http://ltsc.ieee.org/xsd/LOM\"/>", true},
        {"<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"><general><description><langstring>"
         "SCORM_CAM_v1.3</langstring></description></general></lom>",
         true},
        {"<lom xmlns=\"http://www.imsglobal.org/xsd/imsmd_rootv1p2p1\"><general/></lom>", false},
        {"<lom xmlns:lom=\"http://ltsc.ieee.org/xsd/LOM\"><general/></lom>", false},
        {"<manifest xmlns=\"urn:cp\"><lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"/></manifest>", false},
        {"<lom xmlns=\"http://ltsc.ieee.org/xsd/lom\"/>", false},
        {"", false},
        {"<lom xmlns=\"http://ltsc.ieee.org/xsd/LOM", false},
        // A record wrapped in another element counts by the namespace of its general element.
        {"<manifest xmlns=\"urn:cp\"><metadata><lom xmlns=\"http://ltsc.ieee.org/xsd/LOM\"><general/>", true},
        {"<m xmlns:l=\"http://ltsc.ieee.org/xsd/LOM\"><x/><l:general id=\"g\">", true},
        {"<m xmlns:l=\"http://ltsc.ieee.org/xsd/LOM\"><lom xmlns=\"urn:md\"><general>", false},
    };
    for (const auto &[text, is2004] : rows)
        EXPECT_EQ(isScorm2004Document(QLatin1String(text)), is2004) << text;
}

} // namespace

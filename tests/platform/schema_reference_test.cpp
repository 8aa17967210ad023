#include "support/testmain.h"

#include "schema_support.h"

#include <QDir>
#include <QSet>

using namespace ts;
using namespace ts::test::schema;
using ts::test::sharedDir;
using ts::test::testData;

namespace {

// Documents on which the program's schema and the reference schema of the binding agree. For a refused
// document the table gives the line of the first failure and the element the failure names.
struct Agreed {
    const char *file;
    bool valid;
    int line;
    const char *names;
};

const Agreed kAgreed[] = {
    // Every category and element of the binding; then each category with its optional parts left out.
    {"every_element.xml", true, 0, ""},
    {"empty_record.xml", true, 0, ""},
    {"general_title_only.xml", true, 0, ""},
    {"lifecycle_role_only.xml", true, 0, ""},
    {"metametadata_scheme_only.xml", true, 0, ""},
    {"technical_locations_only.xml", true, 0, ""},
    {"educational_language_only.xml", true, 0, ""},
    {"rights_cost_only.xml", true, 0, ""},
    {"relations_with_one_part_each.xml", true, 0, ""},
    {"annotation_person_only.xml", true, 0, ""},
    {"classification_partial_taxon_paths.xml", true, 0, ""},
    {"empty_texts.xml", true, 0, ""},
    {"text_between_elements.xml", true, 0, ""},
    // The layout the program's writers produce, with and without the optional elements.
    {"written_with_optional_elements.xml", true, 0, ""},
    {"written_required_elements_only.xml", true, 0, ""},
    // Out of order where the binding fixes the order.
    {"order_technical_before_general.xml", false, 6, "general"},
    {"order_rights_before_educational.xml", false, 4, "educational"},
    {"order_classification_before_annotation.xml", false, 5, "annotation"},
    {"order_value_before_source.xml", false, 5, "value"},
    {"order_description_before_datetime.xml", false, 8, "datetime"},
    {"order_taxon_before_source.xml", false, 8, "source"},
    {"order_entry_before_id.xml", false, 9, "id"},
    {"order_entry_before_catalog.xml", false, 5, "entry"},
    {"order_centity_before_role.xml", false, 5, "centity"},
    // More often than the binding allows.
    {"general_twice.xml", false, 4, "general"},
    {"rights_twice.xml", false, 4, "rights"},
    {"taxonpath_with_two_taxa.xml", false, 8, "taxon"},
    {"value_with_two_langstrings.xml", false, 10, "langstring"},
    {"centity_with_two_vcards.xml", false, 15, "vcard"},
    // Unknown elements in the record's namespace, and extensions where the binding leaves no room.
    {"unknown_element_in_general.xml", false, 7, "subtitle"},
    {"unknown_element_under_lom.xml", false, 4, "notes"},
    {"extension_directly_under_lom.xml", false, 4, "note"},
    {"element_inside_langstring.xml", false, 5, "langstring"},
    {"no_namespace_category.xml", false, 3, "general"},
    // Required structure missing.
    {"vocabulary_without_value.xml", false, 4, "structure"},
    {"vocabulary_without_source.xml", false, 5, "value"},
    {"title_without_langstring.xml", false, 4, "title"},
    {"description_empty.xml", false, 4, "description"},
    {"source_without_langstring.xml", false, 5, "source"},
    {"centity_without_vcard.xml", false, 13, "centity"},
    {"person_without_vcard.xml", false, 4, "person"},
    {"catalogentry_without_entry.xml", false, 4, "catalogentry"},
    {"contribute_without_role.xml", false, 5, "date"},
    {"text_inside_vocabulary.xml", false, 4, "status"},
    // Values and attributes the binding types.
    {"size_not_a_number.xml", false, 4, "size"},
    {"size_empty.xml", false, 5, "size"},
    {"size_too_large.xml", false, 4, "size"},
    {"location_type_unknown.xml", false, 4, "location"},
    {"location_unknown_attribute.xml", false, 4, "location"},
    {"attribute_on_lom.xml", false, 2, "lom"},
    // Wrong roots.
    {"root_unknown_element.xml", false, 2, "record"},
    {"root_lom_without_namespace.xml", false, 2, "lom"},
    {"root_lom_of_other_binding.xml", false, 2, "lom"},
};

// Documents on which the two schemas differ on purpose. The reference lets any element it declares
// stand in place of its extension elements, so it accepts elements of the record out of their place and
// a category as the root; it demands a schema for every extension; it types xml:lang as a language tag.
// The program's schema keeps the order, accepts only <lom> as the root, lets unknown extensions through
// and cannot type xml:lang without fetching the xml namespace's schema.
struct Differing {
    const char *file;
    bool ownValid;
    int ownLine;
    bool referenceValid;
};

const Differing kDiffering[] = {
    {"order_description_before_title.xml", false, 7, true},
    {"order_version_after_status.xml", false, 12, true},
    {"order_format_after_location.xml", false, 5, true},
    {"title_twice.xml", false, 7, true},
    {"general_inside_general.xml", false, 5, true},
    {"element_of_other_category.xml", false, 12, true},
    {"root_general_category.xml", false, 2, true},
    {"extension_in_every_part.xml", true, 0, false},
    {"extension_of_known_namespace.xml", true, 0, false},
    {"langstring_empty_language.xml", true, 0, false},
    {"langstring_xml_space.xml", true, 0, false},
};

// The real records of the shared folder and the reference's verdict on each.
struct Sample {
    const char *file;
    bool referenceValid;
};

const Sample kSamples[] = {
    {"a03_corporate-course_imsmetadata.xml", true},
    {"a04_template_imsmetadata.xml", true},
    {"a06_cancore-pool-example_CR-line-endings.xml", true},
};

QString samplesDir() { return sharedDir() + QStringLiteral("/samples/imsmd12"); }

std::string describe(const Verdict &v)
{
    if (!v.parsed)
        return "not parsed: " + v.error.reason.toStdString();
    return v.valid ? std::string("valid")
                   : "invalid at line " + std::to_string(v.error.line) + ": " + v.error.reason.toStdString();
}

} // namespace

TEST(SchemaTables, EveryDocumentOfTheDataFolderIsInOneTable)
{
    QStringList listed;
    for (const Agreed &c : kAgreed)
        listed << QString::fromLatin1(c.file);
    for (const Differing &c : kDiffering)
        listed << QString::fromLatin1(c.file);
    EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()).size(), listed.size()) << "a document is listed twice";

    QStringList files = QDir(testData(QStringLiteral("schema"))).entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    files.sort();
    listed.sort();
    EXPECT_EQ(files, listed);
}

TEST(SchemaTables, OwnVerdictsOnTheAgreedDocuments)
{
    const auto own = ownJudge();
    ASSERT_TRUE(own);
    for (const Agreed &c : kAgreed) {
        SCOPED_TRACE(c.file);
        const Verdict v = judge(*own, dataFile(QString::fromLatin1(c.file)));
        ASSERT_TRUE(v.parsed) << describe(v);
        EXPECT_EQ(v.valid, c.valid) << describe(v);
        if (c.valid)
            continue;
        EXPECT_EQ(v.error.line, c.line) << describe(v);
        EXPECT_NE(v.error.errorCode, 0);
        // The failure names the element the document was written to get wrong.
        const QString local = QString::fromLatin1(c.names);
        EXPECT_TRUE(v.error.reason.contains(QStringLiteral("}%1'").arg(local)) ||
                    v.error.reason.startsWith(QStringLiteral("Element '%1'").arg(local)))
            << describe(v);
    }
}

TEST(SchemaTables, OwnVerdictsWhereTheReferenceDiffers)
{
    const auto own = ownJudge();
    ASSERT_TRUE(own);
    for (const Differing &c : kDiffering) {
        SCOPED_TRACE(c.file);
        const Verdict v = judge(*own, dataFile(QString::fromLatin1(c.file)));
        ASSERT_TRUE(v.parsed) << describe(v);
        EXPECT_EQ(v.valid, c.ownValid) << describe(v);
        if (!c.ownValid) {
            EXPECT_EQ(v.error.line, c.ownLine) << describe(v);
        }
    }
}

TEST(SchemaReference, AgreesWithTheOwnSchemaOnTheAgreedDocuments)
{
    if (sharedDir().isEmpty())
        GTEST_SKIP() << "The shared folder with the reference schemas is absent.";
    const auto reference = referenceJudge();
    const auto own = ownJudge();
    ASSERT_TRUE(reference && own);
    for (const Agreed &c : kAgreed) {
        SCOPED_TRACE(c.file);
        const QString path = dataFile(QString::fromLatin1(c.file));
        const Verdict theirs = judge(*reference, path);
        const Verdict ours = judge(*own, path);
        EXPECT_EQ(theirs.valid, c.valid) << describe(theirs);
        EXPECT_EQ(ours.valid, theirs.valid) << "ours: " << describe(ours) << "; reference: " << describe(theirs);
        if (!c.valid) {
            EXPECT_EQ(theirs.error.line, c.line) << describe(theirs);
        }
    }
}

TEST(SchemaReference, DiffersFromTheOwnSchemaWhereTheTableSays)
{
    if (sharedDir().isEmpty())
        GTEST_SKIP() << "The shared folder with the reference schemas is absent.";
    const auto reference = referenceJudge();
    ASSERT_TRUE(reference);
    for (const Differing &c : kDiffering) {
        SCOPED_TRACE(c.file);
        const Verdict theirs = judge(*reference, dataFile(QString::fromLatin1(c.file)));
        ASSERT_TRUE(theirs.parsed);
        EXPECT_EQ(theirs.valid, c.referenceValid) << describe(theirs);
    }
}

TEST(SchemaReference, ExtensionOfANamespaceTheReferenceKnowsIsValidForBoth)
{
    // With the schemas of a SCORM 1.2 package loaded, the reference knows the adlcp namespace and
    // accepts its element in the technical category; the program's schema lets it through unchecked.
    if (sharedDir().isEmpty())
        GTEST_SKIP() << "The shared folder with the reference schemas is absent.";
    const auto packageSchemas = referenceJudge(QStringLiteral("schemas/drivers/scorm12_manifest_driver.xsd"));
    const auto own = ownJudge();
    ASSERT_TRUE(packageSchemas && own);
    const QString path = dataFile(QStringLiteral("extension_of_known_namespace.xml"));
    const Verdict theirs = judge(*packageSchemas, path);
    const Verdict ours = judge(*own, path);
    EXPECT_TRUE(theirs.valid) << describe(theirs);
    EXPECT_TRUE(ours.valid) << describe(ours);
    // An unknown namespace stays refused by the reference, even with those schemas.
    EXPECT_FALSE(judge(*packageSchemas, dataFile(QStringLiteral("extension_in_every_part.xml"))).valid);
}

TEST(SchemaSamples, ReferenceVerdictsOnTheRealRecords)
{
    if (sharedDir().isEmpty())
        GTEST_SKIP() << "The shared folder with the sample records is absent.";
    const auto reference = referenceJudge();
    ASSERT_TRUE(reference);
    for (const Sample &s : kSamples) {
        SCOPED_TRACE(s.file);
        const Verdict theirs = judge(*reference, samplesDir() + QLatin1Char('/') + QString::fromLatin1(s.file));
        ASSERT_TRUE(theirs.parsed) << describe(theirs);
        EXPECT_EQ(theirs.valid, s.referenceValid) << describe(theirs);
    }
}

TEST(SchemaSamples, OwnSchemaAcceptsEveryRecordTheReferenceAccepts)
{
    if (sharedDir().isEmpty())
        GTEST_SKIP() << "The shared folder with the sample records is absent.";
    const auto reference = referenceJudge();
    const auto own = programCache();
    ASSERT_TRUE(reference);
    // Every file of the folder, also those added after the table above was written.
    const QStringList files = QDir(samplesDir()).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), static_cast<qsizetype>(std::size(kSamples)));
    int accepted = 0;
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString path = samplesDir() + QLatin1Char('/') + name;
        const Verdict theirs = judge(*reference, path);
        if (!theirs.valid)
            continue;
        ++accepted;
        const Verdict ours = judge(*own, path);
        EXPECT_TRUE(ours.valid) << describe(ours);
        // The same through a document with the program's cache attached, as the program opens a file.
        XmlDocument doc;
        doc.setSchemas(own);
        EXPECT_TRUE(doc.load(path)) << doc.parseError().reason.toStdString();
    }
    EXPECT_GT(accepted, 0);
}

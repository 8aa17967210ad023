#include "helptexts.h"

namespace ts {

// clang-format off
const std::initializer_list<HelpText> kHelpTexts = {
    // GENERAL
    {"Label1", "", Icon::None,
     "Name given to the resource. The title can be an already existing one or it may be created by teh indexer "
     "adhoc.\r"
     "Best Practice:\r"
     "1) The title should not contain numbering or sequence information (i.e., Chapter 1, Step 1, etc.).\r"
     "2) Title should not be greater than 250 characters."},
    {"Label2", "Catalog", Icon::Information,
     "The name of the catalog (i.e. listing identification system).\r"
     "\r"
     " Note: This element value is generally system generated."},
    {"Label3", "Entry", Icon::Information,
     "Sub category defines an entry within a catalog assigned to a resource.\r"
     "\r"
     "Note: For ISBN this entry may look like 0-666-32132-X."},
    {"Label5", "Keywords", Icon::Information,
     "Keywords or phrases describing this resource."},
    {"Label14", "Structure", Icon::Information,
     "Underlying organizational structural of the resource\r"
     "\r"
     "Atomic: An item consists of one and only one item.\r"
     "Collection: An item that consists of a set of items with no specified relationship between each item.\r"
     "Networked: An item that consists of a set of item with a relationship that is unspecified.\r"
     "Hierarchical: An item that consists of a set of item whose relationships can be represented by a tree "
     "structure.\r"
     "Parceled: An item that consists of a set of items that are grouped according to a criteria.\r"
     "Linear: An item that consists of a set of items that are fully ordered (A set of objects that are connected "
     "by\"previous\"and\"next\"relationships.)\r"
     "Branching: An item with no predetermined sequence. That is, the learner select his or her own sequence.\r"
     "\r"
     "Content Aggregation: Can be any of the above.\r"
     "\r"
     "SCO: Usually SCOs are either Linear, Branching or Hierarchical.\r"
     "\r"
     "Asset: Can be Atomic, Collection, Linear, Parceled."},
    {"Label29", "Aggregation Level", Icon::Information,
     "Definition: The functional size of this resource.\r"
     "\r"
     "Level (1) - The smallest level of aggregation, i.e. raw media data or fragments(e.g., picture of fighter jet).\r"
     "Level (2) - A collection of atoms  (e.g., set of pictures of fighter jets).\r"
     "Level (3) - A collection of level 1 resources, e.g. a 'Web' of HTML documents, with an index page that links "
     "the pages together or a unit.\r"
     "Level (4) - The defined as the largest level of granularity, e.g. a course.\r"
     "\r"
     "Content Aggregation: Level 4 makes sence when applied to Content Aggregation.\r"
     "SCO: Level 2 and 3 make sence when applied to SCOs.\r"
     "Asset:Level 1 and 2 make sence when applied to Assets."},
    {"Label30", "Coverage", Icon::Information,
     "The spatial or temporal characteristics of the intellectual content of the resource.\r"
     "\r"
     "Examples:\r"
     "\r"
     "Content Aggregation: Course to be completed within a six-week period.(time).\r"
     "SCO: Module on Hispanic vernacular as part of a Spanish language course (culture). \r"
     "Asset: Recommended condition to take exam; home, computer lab or classroom (geography)."},
    {"Label62", "Resource Description", Icon::Information,
     " A textual description of the resource. \r"
     "\r"
     "Examples:\r"
     "\r"
     "Content Aggregation: Land mine recognition.\r"
     "SCO: A lesson unit on safely handling pesticides.\r"
     "Asset: Picture of sunset over ocean."},
    // LIFECYCLE
    {"Version", "Version", Icon::Information,
     "The edition of this resource."},
    {"Label7", "Status", Icon::Information,
     "The state or condition of module. Restricted Vocabulary: Draft, Final, Revised, and Unavailable. "},
    {"Label12", "Author(s)", Icon::Information,
     "This sub-category describes those people or organizations that have affected the state of this resource\r"
     "during its evolution (includes creation, edits, and publication).\r"
     "\r"
     "Note: This sub-category is different from 3.3: MetaMetaData.Contribute."},
    // METAMETADATA
    {"Label8", "Name(s) of people authoring this metadata file", Icon::Information,
     "The identification of and information about the people or organizations contributing to this metadata "
     "instance, most relevant first.\r"
     "\r"
     "Note: It is recommended that exactly one instance of Creator exists."},
    {"Label20", "Name(s) of organizations authoring this metadata file", Icon::Information,
     "The identification of and information about the people or organizations contributing to this metadata "
     "instance, most relevant first.\r"
     "\r"
     "Note: This element is different from Lifecycle.Contribute.\r"
     "\r"},
    {"Label21", "Contributor Role", Icon::Information,
     "The kind of contribution.\r"
     "\r"
     "Note: It is recommended that exactly one instance of Creator exists.\r"
     "\r"},
    // TECHNICAL
    {"Label11", "Content Location (URL) or Description", Icon::Information,
     "The path that is used to access this resource or a description of where this resource is located.\r"
     "\r"
     "It may be a location (e.g. Universal Resource Locator (URL)), or a method that resolves to a location (e.g. "
     "Universal Resource Identifier (URI)).\r"
     "\r"
     "Note 1: Relative URL’s are permitted if the URL is relative to the location of this metadata record. "
     "Preferable location first.\r"
     "This is where the resource described by this metadata instance is physically located."},
    {"Label9", "Other Content Data Types", Icon::Information,
     "An extended, optional field for a datatype not listed under CONTENT DATA TYPES\r"
     "\r"
     "Example:BitMap Graphics, CGI, MP3"},
    {"Label22", "Target Internet Browser", Icon::Information,
     "The Internet Browser required to operate this resource."},
    {"Label23", "Target Operating System", Icon::Information,
     "The Operating System required to operate this resource."},
    {"Label31", "Size", Icon::Information,
     "The size of the digital asset in bytes.\r"
     "\r"
     "Only the digits '0'..'9' should be used; the unit is bytes, not MBytes, GB, etc.\r"
     "\r"
     "Note: This element shall refer to the actual size of this resource, and not to the size of a compressed "
     "version of this resource."},
    {"Label32", "Duration", Icon::Information,
     "The length of the resource as a function of time\r"
     "Applies primarily to time continuous (fixed-paced) assets. Can apply to lesson units if they are fixed paced."},
    {"Label39", "Content Data Types", Icon::Information,
     "All data types present in this resource\r"
     "\r"
     "SCORM recommends 10 or less to be listed, but more than 10 will still pass conformance"},
    {"Label63", "Other Requirements", Icon::Information,
     " A textual description of the asset. \r"
     "\r"
     "Examples:\r"
     "\r"
     "Requires a CD player.\r"
     "Requires audio speakers.\r"
     "Requires floppy A: disk to save information."},
    {"Label64", "Installation Remarks", Icon::Information,
     "Description on how to install the Assets, SCOs, or Course Content that make up this course. "},
    // EDUCATION
    {"Label24", "Interactivity Type", Icon::Information,
     "The flow of interaction between this resource and the intended user. \r"
     "\r"
     "Active - Information also flows from the learner to this resource (e.g., games, simulations, multiple "
     "exercises).\r"
     "Expositive - Information flows mainly from this resource to the learner (e.g., text intensive).\r"
     "Mixed - Good balance between active and expositive.\r"
     "Undefined – Unimportant, variable or unable to determine."},
    {"Label25", "Intended End User", Icon::Information,
     "Principal user for which this resource was designed."},
    {"Label26", "Interactity Level", Icon::Information,
     "This element shall define the degree of interactivity between the end user and this resource.\r"
     "\r"},
    {"Label33", "Semantic Density", Icon::Information,
     "This element defines a subjective measure of this resource's usefulness as compared to its size or duration."},
    {"Label34", "Context", Icon::Information,
     "The principal environment within which the learning and use of this resource is intended to take place. "
     "Applies primarily to assessment tools."},
    {"Label35", "Difficulty", Icon::Information,
     "This element defines how hard it is to work through this course for the typical target audience."},
    {"label90", "Typical Age Range", Icon::Information,
     "Age of the typical intended user. This element shall refer to developmental age, if that would be different "
     "from chronological age.\r"
     "\r"
     "Example: Children 4-10, Adults 20+, Adult pilot with 3 years experience"},
    {"Label36", "Length / Time", Icon::Information,
     "Approximate or typical time it takes to work with this resource.\r"
     "\r"
     "This element should be suggestive and not directive, thereby based upon experience or research."},
    {"Label56", "Learning Resource Type(s)", Icon::Information,
     "Specific kind of resource, most dominant kind first. May choose more than 1.\r"
     "\r"
     "SCORM recommends 10 or less to be listed, but more than 10 will still pass conformance."},
    {"Label65", "Usage Description", Icon::Information,
     "Comments on how this resource is to be used. E.g.,Teacher guidelines that accompanies a textbook."},
    // RIGHTS
    {"Label10", "Conditions of Use", Icon::Information,
     "Comments on the conditions of use of this resource.\r"
     "\r"
     "Example: User receives use rights, developer retains all copyrights."},
    {"Label60", "Fees or Other Charges", Icon::Information,
     "Whether use of the resource requires payment.\r"
     "\r"
     "Yes - Requires Payment\r"
     "No - No Payment Required"},
    {"Label61", "Copyright or Other Restrictions", Icon::Information,
     "Whether copyright or other restrictions apply to the use of this resource.\r"
     "\r"
     "Yes - Requires Payment\r"
     "No - No Payment Required"},
    // RELATION
    {"Label13", "Description of Other Resource", Icon::Information,
     "Description of the target resource. Gives a more detailed description of the elements in this sub-category "
     "(Relation)."},
    {"Label27", "Relationship", Icon::Information,
     "Nature of the relationship between this resource and the target resource."},
    // ANNOTATION
    {"Label17", "Author or Organization", Icon::Information,
     "The person or organization who created this annotation."},
    {"Label18", "Annotation", Icon::Information,
     "The content of this annotation. Gives a more detailed description of the elements in this sub-category "
     "(Annotation)."},
    // CLASSIFICATION
    {"Label15", "Classification Description", Icon::Information,
     "This is the description of the resource relative to the PURPOSE FOR CLASSIFYING THIS RESOURCE.Note: Purpose of "
     "this specific classification, such as discipline, idea, skill level, educational objective, etc.\r"},
    {"Label16", "Keywords", Icon::Information,
     "These are the keywords and phrases descriptive of the resource relative to PURPOSE FOR CLASSIFYING THIS "
     "RESOURCE.\r"
     "\r"
     "Note: Relates to the purpose of this specific classification, such as accessibility, security level, etc., "
     "most relevant first."},
    {"Label28", "Purpose for Classifying this Resource", Icon::Information,
     "This describes where this resource is placed within a particular classification system.\r"
     "\r"
     "Note: The purpose of classifying this resource is?"},
    {"Label71", "Taxon Entry", Icon::Information,
     "The text label for the taxon. In the Skill Level example the text may be BEGINNER."},
    {"Label78", "Taxon Id", Icon::Information,
     "The identifier for this taxon. For example, the Id can be a number or letter combination provided by the "
     "source of the taxonomy.\r"
     "\r"
     "Example: T1 "},
    {"Label76", "Taxon Source", Icon::Information,
     "Describes or names the specific classification system. Each succeeding level is a refinement in the definition "
     "of the proceeding level.\r"
     "\r"
     "Example: Skill Level(s)"},
    {"Label19", "Organization(s)", Icon::Information,
     "This sub-category describes those people or organizations that have affected the state of this resource\r"
     "during its evolution (includes creation, edits, and publication).\r"
     "\r"
     "Note: This sub-category is different from 3.3: MetaMetaData.Contribute."},
};
// clang-format on

} // namespace ts

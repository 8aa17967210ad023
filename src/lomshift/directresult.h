#pragma once
// A converted record is the stylesheet's result written out, cut at its mark, given the LOM head and read
// back. Where the result tree is such that reading it back gives the same tree again, the record can be
// finished on the tree itself (its marks taken out, its dates rewritten) and written out once: the same
// text, which saves writing the whole result out and reading it back in between.

namespace ts {
class XmlDocument;
} // namespace ts

namespace ts::lomshift {

// Whether the result tree of a metadata record reads back as itself once cut at its mark and given the LOM
// head, and its marks come out of it as they would come out of what is read back: its root is <lom> in the
// LOM namespace, declaring only that, with no attribute and the marking comment first; every element and
// attribute is in the namespace its prefix names where it stands; no element around a mark holds blank
// text (whose place in the written text would differ); every LOM date's dateTime holds text alone; no
// comment or instruction holds a carriage return; nothing is deeper or longer than a document may be read.
bool readsBackAsItself(const XmlDocument &result);

} // namespace ts::lomshift

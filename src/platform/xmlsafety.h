#pragma once
// libxml2's loader of external resources, replaced once: documents the programs parse may load nothing
// from outside themselves; schemas (while being compiled) may read local files and catalog entries.

#include <libxml/parser.h>

namespace ts::xmlsafety {

// The options of every parse of a document: no network, no substitution of entities, no loading of a
// document type, libxml2's size and amplification limits kept (no XML_PARSE_HUGE); errors are collected,
// not printed.
inline constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

void install();

// While an instance lives, schema compilation may read local files.
class AllowLocalFiles {
public:
    AllowLocalFiles();
    ~AllowLocalFiles();
    AllowLocalFiles(const AllowLocalFiles &) = delete;
    AllowLocalFiles &operator=(const AllowLocalFiles &) = delete;

private:
    bool m_previous;
};

} // namespace ts::xmlsafety

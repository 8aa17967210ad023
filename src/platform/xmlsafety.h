#pragma once
// libxml2's loader of external resources, replaced once: documents the programs parse may load nothing
// from outside themselves; schemas (while being compiled) may read local files and catalog entries.

struct _xmlParserCtxt;

namespace ts::xmlsafety {

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

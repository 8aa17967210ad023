#pragma once
// What a conversion leaves out: the stylesheets mark in their output each element of the source they carry
// over (a "lomshift-from" processing instruction naming it by its id) and list the ids of every element of
// the source in document order after the output ("lomshift-ids"). The marks come out of the converted
// document here, and every element of the source that holds text and that no mark covers is named.

#include <QStringList>

namespace ts {
class XmlDocument;
} // namespace ts

namespace ts::lomshift {

// Takes the marks and the list of ids out of the converted document and answers the paths of the source's
// elements that hold text and are not carried over, each once, in document order ("technical/pkg:extra",
// from the child of the source's root down, names as the source writes them). An element none of whose
// text is carried over is named whole; one of which only some is carried over is named where that some
// ends. Nothing is named when the output lists no ids that fit the source (a stylesheet without marks).
QStringList takeLeftOut(XmlDocument &converted, const XmlDocument &source);

} // namespace ts::lomshift

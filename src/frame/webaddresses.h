#pragma once
// The maker's pages on the web, which the splash window, the About box and Help > Feedback open.

#include <QString>

namespace ts {

inline QString homePageAddress() { return QStringLiteral("https://tagsmith.example.org/"); }
inline QString feedbackPageAddress() { return QStringLiteral("https://tagsmith.example.org/feedback"); }

} // namespace ts

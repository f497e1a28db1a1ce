#pragma once

#include <QStringList>
#include <string>

namespace glint::platform::qt {

// The file-open dialog's filter ("description|pattern" pairs joined by "|") as Qt's name
// filters, one for each pair: the description followed by its pattern in parentheses. A dialog
// that hides the filters' details shows what comes before the last parenthesis, the description
// exactly as written, and filters by what is inside. Patterns that the filter separates with ";"
// are separated with spaces, and "*.*" becomes "*": here a file name need not have a dot. A last
// description without a pattern is left out.
QStringList nameFiltersOf(const std::string& filter);

}  // namespace glint::platform::qt

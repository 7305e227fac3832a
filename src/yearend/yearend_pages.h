#pragma once
// The worksheets as printouts (built here, drawn by a renderer) and as spreadsheets.
#include <string>

#include "common/text_page.h"
#include "yearend/worksheets.h"

namespace corvella {

// One page per employee's W-2, then the W-3. The Social Security number masked unless
// `showSsn`.
TextPage w2Pages(const W2Worksheet& w, bool showSsn);
TextPage form941Page(const Form941& f);

// CSV (RFC 4180, CR LF): a header line, one line per W-2 and a last line for the W-3.
std::string w2Csv(const W2Worksheet& w, bool showSsn);
// CSV: "line,description,amount" lines in the form's order.
std::string form941Csv(const Form941& f);

}  // namespace corvella

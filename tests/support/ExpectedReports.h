// The fixed bytes of the two reports, as the reports' readers expect them.
#pragma once

#include <string>

namespace testing_support {

inline const std::string TextReportHeader =
    "Candidato; Nome pr\xF3prio; Senten\xE7"
    "a\r\n\r\n";
inline const std::string HtmlReportHeader =
    "<html><head><title>Termos candidatos a neologismos</title></head><body>\r\n"
    "<table border=\"1\">\r\n"
    "<tr><td><b>Candidato</b></td><td><b>Nome pr\xF3prio</b></td><td><b>Senten\xE7"
    "a</b></td></tr>\r\n";
inline const std::string HtmlReportFooter = "</table>\r\n</body></html>";

}  // namespace testing_support

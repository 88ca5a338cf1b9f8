#pragma once

#include <QString>

// Manual pages (roff with the man macros) made from a text laid out as lccdtool-cli's help, so
// that the page says what --help says:
//   the first line        "Usage: SYNOPSIS" (in any language: the words before the colon go)
//   the first paragraph   the description; its first sentence is the page's one-line summary
//   "Heading:" paragraph  a list: a line indented by two starts an entry, its term and, after
//                         two blanks, the start of its description; deeper lines continue the
//                         term while they stand further in than the list's descriptions
//   "Heading: text"       a section of running text
// Paragraphs are separated by blank lines.
namespace lccd {

struct ManPageTitle {
    QString program; // the page's name, section 1
    QString source;  // "lccdtool 0.1.0.0"
    QString date;    // yyyy-mm-dd
    bool japanese = false;
};

QString manPage(const QString& helpText, const ManPageTitle& title);

} // namespace lccd

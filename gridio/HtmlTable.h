// The HTML page that shows a grid as a table. Cell texts and the title are
// escaped, so the page shows each text as typed and a cell can never add
// markup of its own; characters code page 932 lacks become character
// references instead of "?".
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace HtmlTable {

// Text as it stands in the page: "&", "<", ">" and the double quote escaped,
// characters outside code page 932 as numeric character references.
QString Text(const QString& text);

// The lines of the page, without line ends; rows from the top, each the cell
// texts from the left.
QStringList PageLines(const QString& title, const QList<QStringList>& rows);

} // namespace HtmlTable

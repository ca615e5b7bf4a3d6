#pragma once
// What an XML document may carry: element and attribute names made of safe characters, and text
// made of characters XML 1.0 allows.

#include <QString>
#include <QStringList>
#include <QVector>

namespace ExporterXML {

// The characters a name keeps: "-", ".", "0"-"9", ":", "A"-"Z", "_", "a"-"z".
bool IsNameChar(QChar c);

// Removes every character IsNameChar refuses; each run of removed characters becomes one "_"
// unless a "_" already stands beside it. A name that ends empty becomes "_". changed tells whether
// anything was removed.
QString CleanName(const QString &name, bool *changed = nullptr);

// The attribute names of a set of columns: every name cleaned, and each cleaned name that collides
// with another column's name numbered (a_b, a_b1, a_b2, ...; "_" becomes FIELD_1, FIELD_2, ...).
// Names that needed no cleaning are kept as they are. modified receives, per column, whether its
// name was changed.
QStringList CorrectNames(const QStringList &names, QVector<bool> *modified = nullptr);

// Text as XML 1.0 can carry it: a control character other than tab, line feed and carriage return,
// an unpaired surrogate and the non-characters U+FFFE and U+FFFF each become U+FFFD.
QString ValidXMLText(const QString &text);

}  // namespace ExporterXML

#include "XMLNames.h"

namespace ExporterXML {

bool IsNameChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
         u == u'-' || u == u'.' || u == u':' || u == u'_';
}

QString CleanName(const QString &name, bool *changed) {
  QString result;
  result.reserve(name.size() + 2);
  bool removed = false;
  bool pendingGap = false;  // characters were removed since the last kept one
  for (QChar c : name) {
    if (!IsNameChar(c)) {
      removed = true;
      pendingGap = true;
      continue;
    }
    // A gap at the start counts as well: "_" goes in front when the next character allows it.
    if (pendingGap && c != u'_' && (result.isEmpty() || result.back() != u'_'))
      result += u'_';
    pendingGap = false;
    result += c;
  }
  if (pendingGap && !result.isEmpty() && result.back() != u'_')
    result += u'_';
  if (result.isEmpty())
    result = QStringLiteral("_");
  if (changed)
    *changed = removed || name.isEmpty();
  return result;
}

QStringList CorrectNames(const QStringList &names, QVector<bool> *modified) {
  QStringList result;
  QVector<bool> changed(names.size(), false);
  for (int i = 0; i < names.size(); ++i)
    result << CleanName(names[i], &changed[i]);

  auto takenByOther = [&result](int self, const QString &candidate) {
    for (int j = 0; j < result.size(); ++j)
      if (j != self && result[j] == candidate)
        return true;
    return false;
  };
  // Only changed names are numbered: the others are the source's own and stay recognisable.
  for (int i = 0; i < result.size(); ++i) {
    if (!changed[i])
      continue;
    const bool anonymous = result[i] == QLatin1String("_");
    const QString stem = anonymous ? QStringLiteral("FIELD_") : result[i];
    QString candidate = anonymous ? QStringLiteral("FIELD_1") : result[i];
    for (int n = 1; takenByOther(i, candidate); ++n)
      candidate = stem + QString::number(n);
    result[i] = candidate;
  }
  if (modified)
    *modified = changed;
  return result;
}

QString ValidXMLText(const QString &text) {
  QString result;
  result.reserve(text.size());
  const int n = text.size();
  for (int i = 0; i < n; ++i) {
    const QChar c = text[i];
    const char16_t u = c.unicode();
    if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
      result += c;
      result += text[++i];
    } else if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF ||
               (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r')) {
      result += QChar(QChar::ReplacementCharacter);
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace ExporterXML

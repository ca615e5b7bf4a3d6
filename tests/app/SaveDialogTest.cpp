// The filter texts of the export actions as the file dialog shows them.

#include "SaveDialog.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(SaveDialogTest, FilterTextBecomesNameFilters) {
  struct TCase {
    const char *Filter;
    QStringList Expected;
  };
  const TCase cases[] = {
      {"dokument XML (xml)|*.xml", {"dokument XML (xml) (*.xml)"}},
      {"sešit MS Office Word (doc)|*.doc", {"sešit MS Office Word (doc) (*.doc)"}},
      {"dokument HTML (html)|*.html", {"dokument HTML (html) (*.html)"}},
      {"Texty|*.txt;*.csv|Vše|*.*", {"Texty (*.txt *.csv)", "Vše (*.*)"}},
      {"", {}},
      {"bez masky", {}},
  };
  for (const TCase &c : cases)
    EXPECT_EQ(QtNameFilters(QString::fromUtf8(c.Filter)), c.Expected) << c.Filter;
}

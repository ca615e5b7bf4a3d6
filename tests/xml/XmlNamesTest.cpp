// Attribute names: cleaning of names with characters a name cannot hold, and numbering of the
// cleaned names that collide.

#include "export/xml/XMLNames.h"

#include <gtest/gtest.h>

using ExporterXML::CorrectNames;

TEST(XmlNames, CleaningAndNumbering) {
  struct Case {
    QStringList names, correct;
    QVector<bool> modified;
  } cases[] = {
      {{"Field0", "Field10"}, {"Field0", "Field10"}, {false, false}},
      {{"a b"}, {"a_b"}, {true}},
      {{QStringLiteral("ěx")}, {"_x"}, {true}},
      {{QStringLiteral("xě")}, {"x_"}, {true}},
      {{"1 2 3"}, {"1_2_3"}, {true}},
      {{"a _b", "a- b"}, {"a_b", "a-_b"}, {true, true}},
      {{QStringLiteral("a ěš b")}, {"a_b"}, {true}},
      {{"a b", "a  b"}, {"a_b1", "a_b"}, {true, true}},
      {{"a_b", "a b", "a  b"}, {"a_b", "a_b1", "a_b2"}, {false, true, true}},
      {{QStringLiteral("ěš")}, {"FIELD_1"}, {true}},
      {{QStringLiteral("ě"), QStringLiteral("š")}, {"FIELD_1", "FIELD_2"}, {true, true}},
      {{"x", "x"}, {"x", "x"}, {false, false}},
      {{QString()}, {"FIELD_1"}, {true}},
  };
  for (const Case &c : cases) {
    QVector<bool> modified;
    EXPECT_EQ(CorrectNames(c.names, &modified), c.correct) << c.names.join('|').toStdString();
    EXPECT_EQ(modified, c.modified) << c.names.join('|').toStdString();
  }
}

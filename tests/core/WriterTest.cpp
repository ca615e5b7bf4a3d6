// The output writer: encodings, line ends, and what reaches the stream.
#include "CoreTestSupport.h"

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray bytes;
  for (int v : values)
    bytes.append(char(v));
  return bytes;
}

}  // namespace

struct TEncodingCase {
  const char *name;
  TExportCharsetType charset;
  QString text;
  QByteArray bytes;
};

class WriterEncodings : public ::testing::TestWithParam<TEncodingCase> {};

TEST_P(WriterEncodings, WriteTheExpectedBytes) {
  const TEncodingCase &c = GetParam();
  EXPECT_EQ(TExportWriter::Encode(c.text, c.charset).toHex(' '), c.bytes.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriterEncodings,
    ::testing::Values(
        // "Š", "ť" and "ý" take two bytes each.
        TEncodingCase{"Utf8", ectUTF8, QStringLiteral("Šťastných 10"),
                      Bytes({0xC5, 0xA0, 0xC5, 0xA5, 'a', 's', 't', 'n', 0xC3, 0xBD, 'c', 'h', ' ', '1', '0'})},
        TEncodingCase{"Utf16", ectUTF16, QStringLiteral("Aš"), Bytes({0x41, 0x00, 0x61, 0x01})},
        TEncodingCase{"Utf16Pair", ectUTF16, QString::fromUcs4(U"\U0001F600"), Bytes({0x3D, 0xD8, 0x00, 0xDE})},
        TEncodingCase{"Utf32", ectUTF32, QString::fromUcs4(U"A\U0001F600"),
                      Bytes({0x41, 0x00, 0x00, 0x00, 0x00, 0xF6, 0x01, 0x00})},
        TEncodingCase{"Ansi", ectLocalANSI, QStringLiteral("€Šé\u0165x"), Bytes({0x80, 0x8A, 0xE9, '?', 'x'})},
        TEncodingCase{"Oem", ectLocalOEM, QStringLiteral("éÄ░\u0160"), Bytes({0x82, 0x8E, 0xB0, '?'})},
        TEncodingCase{"Mac", ectLocalMAC, QStringLiteral("é€\u0161"), Bytes({0x8E, 0xDB, '?'})},
        TEncodingCase{"AnsiOutsideBmp", ectLocalANSI, QString::fromUcs4(U"a\U0001F600b"), Bytes({'a', '?', 'b'})},
        TEncodingCase{"NamedCodePageFirst", ectArmscii8, QStringLiteral("abc"), QByteArray()},
        TEncodingCase{"NamedCodePageLast", ectSwe7, QStringLiteral("abc"), QByteArray()},
        TEncodingCase{"NamedCodePageBetween", TExportCharsetType(12), QStringLiteral("abc"), QByteArray()}),
    [](const ::testing::TestParamInfo<TEncodingCase> &info) { return std::string(info.param.name); });

TEST(ExportWriter, FollowsTheOwnersCharsetWithoutByteOrderMark) {
  TRecordingExporter owner;
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  TExportWriter writer(&owner, &buffer);

  EXPECT_EQ(owner.CharsetType(), ectUTF8) << "UTF-8 by default";
  writer.WriteLn(QStringLiteral("Š"));
  owner.SetCharsetType(ectUTF16);
  writer.Write(QStringLiteral("Š"));
  writer.EmptyLine();
  writer.Write(QString());

  EXPECT_EQ(buffer.data().toHex(' '), Bytes({0xC5, 0xA0, '\r', '\n', 0x60, 0x01, '\r', 0, '\n', 0}).toHex(' '));
}

TEST(ExportWriter, WithoutOwnerOrStreamWritesNothing) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  TExportWriter orphan(nullptr, &buffer);
  orphan.WriteLn(QStringLiteral("text"));
  EXPECT_TRUE(buffer.data().isEmpty());

  TRecordingExporter owner;
  TExportWriter noStream(&owner, nullptr);
  EXPECT_NO_THROW(noStream.WriteLn(QStringLiteral("text")));
  EXPECT_EQ(noStream.AlignToStr(ecaRight), QString());
}

TEST(ExportWriter, AFailedWriteIsAnError) {
  TRecordingExporter owner;
  QBuffer closed;  // never opened: every write fails
  TExportWriter writer(&owner, &closed);
  EXPECT_THROW(writer.Write(QStringLiteral("x")), EExportError);
}

TEST(ExportWriter, ARunWritesItsCaptionAsUtf8Bytes) {
  TTestGrid grid({{"Šťastných 10"}, {"Pole 1"}});
  TRecordingExporter exporter;
  BindGrid(exporter, grid);
  const QByteArray bytes = exporter.RunToBytes();
  EXPECT_TRUE(bytes.startsWith(QByteArray("\xC5\xA0\xC5\xA5" "astn\xC3\xBD" "ch 10\r\n")));
}

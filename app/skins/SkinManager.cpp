#include "SkinManager.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <stdexcept>

namespace {

const QString DefaultSkin = QStringLiteral("WLM");

using TSkinDefinitions = QHash<QString, QString>;

QString ReadSkinFile(const QString &fileName)
{
  QFile file(QStringLiteral(":/skins/") + fileName);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error(QStringLiteral("Skin file %1 is missing from the program").arg(fileName).toStdString());
  return QString::fromUtf8(file.readAll());
}

QString KnownSkinOrDefault(const QString &name)
{
  return TSkinManager::IsSkin(name) ? name : DefaultSkin;
}

// The "@name: value;" lines of the comment that opens a skin file.
TSkinDefinitions SkinDefinitions(const QString &skinFile)
{
  TSkinDefinitions definitions;
  const int end = skinFile.indexOf(QStringLiteral("*/"));
  const QString header = skinFile.left(end < 0 ? 0 : end);
  static const QRegularExpression definition(
      QStringLiteral(R"(^\s*@([a-z_0-9]+)\s*:\s*(.*?)\s*;\s*$)"),
      QRegularExpression::MultilineOption);
  for (auto it = definition.globalMatch(header); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    definitions.insert(m.captured(1), m.captured(2));
  }
  return definitions;
}

// Replaces every @name of the shared rules by the skin's value; unknown names stay as they are,
// which the style sheet parser then rejects loudly.
QString FillIn(const QString &rules, const TSkinDefinitions &definitions)
{
  static const QRegularExpression token(QStringLiteral("@([a-z_0-9]+)"));
  QString result;
  result.reserve(rules.size() * 2);
  int last = 0;
  for (auto it = token.globalMatch(rules); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    result += rules.mid(last, m.capturedStart() - last);
    const auto value = definitions.constFind(m.captured(1));
    result += value != definitions.constEnd() ? *value : m.captured(0);
    last = m.capturedEnd();
  }
  result += rules.mid(last);
  return result;
}

QColor DefinedColour(const TSkinDefinitions &definitions, const QString &key)
{
  const QColor colour(definitions.value(key));
  if (!colour.isValid())
    throw std::runtime_error(QStringLiteral("Skin colour @%1 is not a colour").arg(key).toStdString());
  return colour;
}

}  // namespace

const QStringList &TSkinManager::SkinNames()
{
  static const QStringList names = {
      QStringLiteral("WLM"),     QStringLiteral("Acryl"),     QStringLiteral("BluePlastic"),
      QStringLiteral("Elegant"), QStringLiteral("Golden"),    QStringLiteral("Heroes"),
      QStringLiteral("LikeOpera"), QStringLiteral("Steam"),   QStringLiteral("Wood")};
  return names;
}

bool TSkinManager::IsSkin(const QString &name)
{
  return SkinNames().contains(name, Qt::CaseSensitive);
}

QString TSkinManager::SkinName() const
{
  return FSkinName;
}

void TSkinManager::SetSkinName(const QString &name)
{
  FSkinName = KnownSkinOrDefault(name);
}

QString TSkinManager::StyleSheet(const QString &name)
{
  const QString skinFile = ReadSkinFile(KnownSkinOrDefault(name) + QStringLiteral(".qss"));
  const TSkinDefinitions definitions = SkinDefinitions(skinFile);
  // The skin's own rules come after the shared ones, so they win where both apply.
  return FillIn(ReadSkinFile(QStringLiteral("base.qss")), definitions) + QLatin1Char('\n') + skinFile;
}

QPalette TSkinManager::Palette(const QString &name)
{
  const TSkinDefinitions d = SkinDefinitions(ReadSkinFile(KnownSkinOrDefault(name) + QStringLiteral(".qss")));
  const auto c = [&d](const char *key) { return DefinedColour(d, QString::fromLatin1(key)); };

  QPalette p;
  p.setColor(QPalette::Window, c("window"));
  p.setColor(QPalette::WindowText, c("window_text"));
  p.setColor(QPalette::Base, c("base"));
  p.setColor(QPalette::AlternateBase, c("alt_base"));
  p.setColor(QPalette::Text, c("text"));
  // Button is also the colour of the ticket table's caption cells.
  p.setColor(QPalette::Button, c("button"));
  p.setColor(QPalette::ButtonText, c("button_text"));
  p.setColor(QPalette::BrightText, QColor(255, 64, 64));
  p.setColor(QPalette::Light, c("light"));
  p.setColor(QPalette::Midlight, c("button").lighter(110));
  p.setColor(QPalette::Mid, c("mid"));
  p.setColor(QPalette::Dark, c("dark"));
  p.setColor(QPalette::Shadow, c("dark").darker(150));
  p.setColor(QPalette::Highlight, c("highlight"));
  p.setColor(QPalette::HighlightedText, c("highlight_text"));
  p.setColor(QPalette::Link, c("link"));
  p.setColor(QPalette::LinkVisited, c("link").darker(130));
  p.setColor(QPalette::ToolTipBase, c("tooltip"));
  p.setColor(QPalette::ToolTipText, c("tooltip_text"));
  p.setColor(QPalette::PlaceholderText, c("disabled_text"));
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, c("disabled_text"));
  return p;
}

void TSkinManager::Apply()
{
  auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
  if (!app)
    return;
  // Fusion draws with the palette everywhere, so the skin's colours reach every platform.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  app->setPalette(Palette(FSkinName));
  // Setting the sheet re-polishes every widget of every window.
  app->setStyleSheet(StyleSheet(FSkinName));
  for (QWidget *window : QApplication::topLevelWidgets())
    window->update();
}

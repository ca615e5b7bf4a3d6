#pragma once
// The skin manager `skin`: nine looks for the whole user interface, selected by name. A skin is a
// palette plus a Qt style sheet on the Fusion style, applied to the application as a whole.
//
// Each skin lives in one file, qss/<name>.qss: a comment at its top defines the skin's colours
// ("@window: #dfeaf7;" ...), which fill in the shared rules of qss/base.qss and make up the
// palette; the rules below the comment give the skin its own character.
//
// The skins style widgets by these object names: "frm_main" (main window), "pc" (tab widget),
// "pn_vyber", "pn_export", "pn_ball", "pn_btn" (panels), "btn_generate", "btn_ods", "btn_odt",
// "btn_docx", "btn_xls", "btn_xml", "btn_html", "_sg" (ticket table), "keno_pocet_cisel",
// "keno_pocet_poli", "cb_rychlost", "AboutBox" and its "Panel1". Labels are never coloured by a
// rule, so the colour a window gives a label itself (the ball numbers) stays.

#include <QPalette>
#include <QString>
#include <QStringList>

class TSkinManager {
public:
  // "WLM", "Acryl", "BluePlastic", "Elegant", "Golden", "Heroes", "LikeOpera", "Steam", "Wood".
  static const QStringList &SkinNames();
  // True when name is one of SkinNames(), compared exactly (case-sensitive).
  static bool IsSkin(const QString &name);

  // The current skin, "WLM" at start.
  QString SkinName() const;
  // A name that matches no skin selects "WLM".
  void SetSkinName(const QString &name);
  // Applies the current skin (Fusion style, palette, style sheet) to the whole application and
  // repaints all windows. Needs a QApplication.
  void Apply();

  // The complete style sheet of a skin; a name that matches no skin gives the "WLM" sheet.
  static QString StyleSheet(const QString &name);
  // The palette of a skin; a name that matches no skin gives the "WLM" palette.
  static QPalette Palette(const QString &name);

private:
  QString FSkinName = QStringLiteral("WLM");
};

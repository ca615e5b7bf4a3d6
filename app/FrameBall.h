#pragma once
// The game frame `Tframe_ball`: the widgets of one game page, bound to its model TGamePage. The
// frame mirrors the model's state (inputs, enabled flags, slot row, ticket table); the user's
// actions on it are wired to the handlers of the main window, which call the model.
//
// Four bands from top to bottom: the selection band `pn_vyber` with the export band `pn_export` at
// its right, the ticket table `_sg`, the slot row `pn_ball` and the button band `pn_btn`.

#include <QFrame>
#include <array>

class TFieldCountEdit;
class TGamePage;
class TTicketGrid;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class Tframe_ball : public QFrame {
  Q_OBJECT

public:
  static constexpr int FrameWidth = 816;
  static constexpr int FrameHeight = 469;
  static constexpr int SlotCount = 10;

  explicit Tframe_ball(TGamePage &page, QWidget *parent = nullptr);

  TGamePage &Page() const { return FPage; }

  // The six export buttons in their order on the page: ods, odt, docx, xls, xml, html.
  std::array<QPushButton *, 6> ExportButtons() const;

  // --- selection band ---
  QFrame *pn_vyber = nullptr;
  QLabel *lbl_pocet_cisel = nullptr;
  QSpinBox *keno_pocet_cisel = nullptr;
  QLabel *lbl_pocet_poli = nullptr;
  TFieldCountEdit *keno_pocet_poli = nullptr;
  QLabel *lbl_rychlost = nullptr;
  QComboBox *cb_rychlost = nullptr;

  // --- export band ---
  QFrame *pn_export = nullptr;
  QLabel *lbl_export = nullptr;
  QPushButton *btn_ods = nullptr;
  QPushButton *btn_odt = nullptr;
  QPushButton *btn_docx = nullptr;
  QPushButton *btn_xls = nullptr;
  QPushButton *btn_xml = nullptr;
  QPushButton *btn_html = nullptr;

  // --- ticket table ---
  TTicketGrid *_sg = nullptr;

  // --- slot row: balls i1..i10, number labels c1..c10, dice k1..k10 (index 0 is slot 1) ---
  QFrame *pn_ball = nullptr;
  std::array<QLabel *, SlotCount> i{};
  std::array<QLabel *, SlotCount> c{};
  std::array<QLabel *, SlotCount> k{};

  // --- button band ---
  QFrame *pn_btn = nullptr;
  QPushButton *btn_generate = nullptr;

  // Left edges of the number labels and dice of slots 1 to 10 (they are not evenly spaced).
  static const std::array<int, SlotCount> LabelLefts;
  static const std::array<int, SlotCount> DieLefts;

signals:
  // A mouse press into "Počet polí" (on the input or its text), while the input is enabled.
  void pocetPoliClicked();

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void BuildSelectionBand();
  void BuildExportBand();
  void BuildSlotRow();
  void BuildButtonBand();
  void BindModel();
  void UpdateSlot(int slot);

  TGamePage &FPage;
};

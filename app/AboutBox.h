#pragma once
// The About box `TAboutBox` (instance "AboutBox"): the program's name, version and maker, and a
// link to the maker's page. Shown modally by the menu "O nás" while the main window is minimised;
// closing it brings the main window back.

#include <QDialog>
#include <QLabel>
#include <memory>

class IUrlOpener;
class QFrame;
class QPushButton;

// The maker's web address, shown in the caption and the link.
inline const char *const MakerAddress = "www.zuduvaro.cz";

// A link label (`TsWebLabel`): bold blue text, red while hovered; a click opens its address.
class TWebLabel : public QLabel {
  Q_OBJECT

public:
  TWebLabel(const QString &text, const QUrl &url, IUrlOpener &opener, QWidget *parent = nullptr);
  QUrl Url() const { return FUrl; }
  bool Hovered() const { return FHovered; }

protected:
  void enterEvent(QEnterEvent *event) override;
  void leaveEvent(QEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  void SetHovered(bool hovered);

  QUrl FUrl;
  IUrlOpener &FOpener;
  bool FHovered = false;
};

class TAboutBox : public QDialog {
  Q_OBJECT

public:
  // mainWindow is restored when the box closes; opener serves the link (null: the browser).
  explicit TAboutBox(QWidget *mainWindow, std::shared_ptr<IUrlOpener> opener = nullptr);

  // Shows the box modally (it blocks the other windows) and returns at once.
  void ShowModal();
  // "OK": closes the box and restores the main window to its normal state.
  void OKButtonClick();

  QFrame *Panel1 = nullptr;
  QLabel *ProgramIcon = nullptr;
  QLabel *ProductName = nullptr;
  QLabel *Version = nullptr;
  QLabel *Copyright = nullptr;
  QLabel *Comments = nullptr;
  QLabel *SmallIcon = nullptr;
  TWebLabel *WebLabel = nullptr;
  QPushButton *OKButton = nullptr;

protected:
  // Escape or the window manager's close button end the box like "OK", so the main window never
  // stays minimised behind a closed box.
  void done(int result) override;

private:
  QWidget *FMainWindow;
  std::shared_ptr<IUrlOpener> FOpener;
};

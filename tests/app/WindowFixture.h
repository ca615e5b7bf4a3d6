#pragma once
// A main window as the program builds it, with every outside service replaced: a run neither
// waits nor draws clock-seeded numbers, the dialogs and the shell record, and the settings live in
// a file of the test's own temporary folder, so a second window on the same file is a restart.

#include "AppFakes.h"
#include "FieldCountEdit.h"
#include "FrameBall.h"
#include "MainWindow.h"
#include "SettingsStore.h"
#include "games/GamePage.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class WindowFixture : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    PreviousOpener = SetShellOpener(Shell);
    Window = MakeWindow();
  }

  void TearDown() override {
    Window.reset();
    SetShellOpener(PreviousOpener);
  }

  // A new window on the same settings file, shown (which runs FormShow).
  std::unique_ptr<Tfrm_main> MakeWindow() {
    // A program starts without a skin; the window applies one when it is shown.
    qApp->setStyleSheet(QString());
    TMainWindowServices services;
    services.DrawHost = Host;
    services.Random = std::make_shared<TSeededRandomSource>(20240611);
    services.SaveDialog = Dialog;
    services.MessageBox = Messages;
    services.Settings = std::make_shared<TAppRegistryStorage>(SettingsFile());
    auto window = std::make_unique<Tfrm_main>(services);
    window->show();
    return window;
  }

  // A restart: the old window closes and a new one starts on the same settings.
  void Restart() {
    Window.reset();
    Window = MakeWindow();
  }

  QString SettingsFile() const { return Dir.filePath(QStringLiteral("settings.ini")); }
  QString StoredSkin() {
    return TAppRegistryStorage(SettingsFile()).ReadString(Tfrm_main::SkinSettingPath);
  }
  void StoreSkin(const QString &name) {
    TAppRegistryStorage(SettingsFile()).WriteString(Tfrm_main::SkinSettingPath, name);
  }

  Tframe_ball &Frame(TGame game) { return *Window->Frame(game); }
  TGamePage &Page(TGame game) { return Window->Page(game); }

  QTemporaryDir Dir;
  std::shared_ptr<TFakeDrawHost> Host = std::make_shared<TFakeDrawHost>();
  std::shared_ptr<TFakeSaveDialog> Dialog = std::make_shared<TFakeSaveDialog>();
  std::shared_ptr<TRecordingMessageBox> Messages = std::make_shared<TRecordingMessageBox>();
  std::shared_ptr<TRecordingShellOpener> Shell = std::make_shared<TRecordingShellOpener>();
  std::shared_ptr<IShellOpener> PreviousOpener;
  std::unique_ptr<Tfrm_main> Window;
};
